#include "sitegen/Fragments.h"

#include "common/AtomicFiles.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/UserDialogs.h"
#include "lang/Language.h"
#include "project/SiteLayout.h"
#include "sitegen/MadeFiles.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <mutex>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

char StyleLetter(const std::string& style, const Language& language) {
    if (style == language.LangText(TextId::StyleBold)) return 'B';
    if (style == language.LangText(TextId::StyleItalic)) return 'I';
    if (style == language.LangText(TextId::StyleUnderlined)) return 'U';
    return 0;
}

std::string AlignmentKeyword(const std::string& alignment, const Language& language) {
    if (alignment == language.LangText(TextId::PositionCentred)) return "center";
    if (alignment == language.LangText(TextId::PositionLeft)) return "left";
    if (alignment == language.LangText(TextId::PositionRight)) return "right";
    return {};
}

std::string AlignOpen(const std::string& alignment, const Language& language) {
    std::string keyword = AlignmentKeyword(alignment, language);
    if (keyword.empty()) return {};
    for (char& c : keyword) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return "<DIV ALIGN=" + keyword + ">";
}

std::string StyleOpen(const std::string& style, const Language& language) {
    const char letter = StyleLetter(style, language);
    return letter ? std::string("<") + letter + ">" : std::string();
}

std::string StyleClose(const std::string& style, const Language& language) {
    const char letter = StyleLetter(style, language);
    return letter ? std::string("</") + letter + ">" : std::string();
}

bool SameLetters(std::string_view line, std::string_view lowerCase) {
    return line.size() == lowerCase.size() &&
           std::equal(line.begin(), line.end(), lowerCase.begin(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

std::string HtmlColour(int colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return text;
}

std::string FontOpen(const std::string& face, int size, int colour, const Language& language) {
    const std::string faces =
        face == language.LangText(TextId::BrowserFont) ? std::string() : face + ",Arial,Helvetica";
    return "<font face=\"" + faces + "\" size=\"" + std::to_string(size) + "\" color=\"" + HtmlColour(colour) + "\">";
}

std::string LinkText(const std::string& text, const std::string& target) {
    return target.empty() ? text : "<a href=\"" + target + "\">" + text + "</a>";
}

std::string HtmlText(const std::string& text) {
    std::string html;
    html.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        // A character beyond Windows-1252 is already the reference a page needs.
        if (const auto reference = ReferenceAt(text, pos)) {
            html.append(text, pos, reference->length);
            pos += reference->length - 1;
            continue;
        }
        switch (c) {
            case '&': html += "&amp;"; break;
            case '<': html += "&lt;"; break;
            case '>': html += "&gt;"; break;
            case '"': html += "&quot;"; break;
            default: html += c;
        }
    }
    return html;
}

std::string NeverAMarker(const std::string& html) {
    std::string line = html;
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return StartsWith(line, "<!--") ? " " + line : line;
}

bool IsWebAddress(const std::string& path) { return StartsWith(path, "http") || StartsWith(path, "www"); }

std::string WebAddress(const std::string& path) { return StartsWith(path, "www") ? "http://" + path : path; }

std::string AssetReferences::CopyIntoParam(const std::string& path) const {
    // Settings may hold Windows paths: the name is what follows the last separator.
    const auto separator = path.find_last_of("\\/");
    const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
    const fs::path param = projectFolder_ / site_layout::kParamFolder;
    const fs::path source = PathFromCp1252(path);
    const fs::path target = param / PathFromCp1252(name);
    if (made_ && made_->Holds(target)) return name;  // an earlier page of the build copied it
    // The pages of a build are written on several threads, and name the same files.
    static std::mutex copying;
    const std::lock_guard lock(copying);
    std::error_code error, notSame;
    fs::create_directories(param, error);
    // A file already in param (one the clearing kept) is its own copy.
    bool copied = !error;
    if (copied && !fs::equivalent(source, target, notSame)) {
        try {
            CopyFileIfChanged(source, target);
        } catch (const PalimoraError&) {
            copied = false;
        }
    }
    if (copied && made_) made_->Add(target);
    // The page still gets its reference; the file is told once, by TellFailedCopies.
    if (!copied) NoteFailedCopy(path);
    return name;
}

void AssetReferences::NoteFailedCopy(const std::string& path) const {
    if (std::find(failedCopies_.begin(), failedCopies_.end(), path) == failedCopies_.end()) {
        failedCopies_.push_back(path);
    }
}

std::vector<std::string> AssetReferences::TakeFailedCopies() const {
    std::vector<std::string> paths = std::move(failedCopies_);
    failedCopies_.clear();
    return paths;
}

void AssetReferences::AddFailedCopies(const std::vector<std::string>& paths) const {
    for (const std::string& path : paths) NoteFailedCopy(path);
}

void AssetReferences::TellFailedCopies(UserDialogs& dialogs, const Language& language) const {
    if (failedCopies_.empty()) return;
    std::string files;
    for (const std::string& path : failedCopies_) files += (files.empty() ? "" : ", ") + path;
    failedCopies_.clear();
    dialogs.ShowMessageOk(language.LangText(TextId::ParamCopyFailed) + " " + files + ".");
}

std::string AssetReferences::Reference(const std::string& path) const {
    if (path.empty()) return {};
    if (IsWebAddress(path)) return WebAddress(path);
    const std::string name = CopyIntoParam(path);
    return buildMode_ ? "./param/" + name : "./Projets/" + projectName_ + "/param/" + name;
}

std::string AssetReferences::TableOpen(int border, const std::string& background, int borderColour, int cellSpacing,
                                       int cellPadding, int backColour) const {
    const std::string reference = Reference(background);
    const bool localFile = !background.empty() && !IsWebAddress(background);
    return "<TABLE BORDER=\"" + std::to_string(border) + "\" BACKGROUND=\"" + reference + "\" " +
           (localFile ? "bordercolor" : "BORDERCOLOR") + "=\"" + HtmlColour(borderColour) + "\"  BGCOLOR=\"" +
           HtmlColour(backColour) + "\"  CELLPADDING=\"" + std::to_string(cellPadding) + "\" CELLSPACING=\"" +
           std::to_string(cellSpacing) + "\">";
}

}  // namespace palimora
