#include "sitegen/Markers.h"

#include "common/Cp1252.h"
#include "common/UserDialogs.h"
#include "lang/Language.h"
#include "sitegen/PageLines.h"

#include <algorithm>
#include <system_error>

namespace palimora {
std::string MarkerLine(std::string_view name) { return "<!--" + std::string(name) + "--!>"; }

int Markers::Find(const PageLines& page, std::string_view name, int start) const {
    const int found = page.FindMarkerLine(MarkerLine(name), start);
    if (found >= 0) return found;
    NoteMarker(name);
    return 0;
}

void Markers::NoteMarker(std::string_view name) const {
    if (std::find(missing_.begin(), missing_.end(), name) == missing_.end()) missing_.emplace_back(name);
}

void Markers::NoteFile(TextId text) const {
    if (std::find(missingFiles_.begin(), missingFiles_.end(), text) == missingFiles_.end()) {
        missingFiles_.push_back(text);
    }
}

Markers::Missing Markers::TakeMissing() const {
    Missing missing{std::move(missing_), std::move(missingFiles_)};
    missing_.clear();
    missingFiles_.clear();
    return missing;
}

void Markers::Add(const Missing& missing) const {
    for (const std::string& name : missing.markers) NoteMarker(name);
    for (const TextId text : missing.files) NoteFile(text);
}

void Markers::TellMissing() const {
    for (const TextId text : missingFiles_) dialogs_.ShowMessageOk(language_.LangText(text));
    missingFiles_.clear();
    if (missing_.empty()) return;
    std::string names;
    for (const std::string& name : missing_) names += (names.empty() ? "" : ", ") + name;
    missing_.clear();
    dialogs_.ShowMessageOk(language_.LangText(TextId::MissingMarker) + " " + names + ".");
}

void ClearLines(PageLines& page, int first, int last) {
    for (int i = first; i <= last; ++i) page.Put(i, {});
}

void Markers::InsertFile(PageLines& page, std::string_view marker, const std::filesystem::path& file,
                         TextId missingText) const {
    const int a = Find(page, marker, 0);
    const int b = Find(page, "FIN" + std::string(marker), a + 1);
    page.Put(a + 1, {});
    page.DeleteLines(a + 2, b - 1);
    if (file.empty()) return;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        NoteFile(missingText);
        return;
    }
    PageLines inserted;
    inserted.Load(file);
    page.InsertLines(a + 1, inserted.Lines());
}

void Markers::InsertHeaderFooter(PageLines& page, const std::filesystem::path& header,
                                 const std::filesystem::path& footer) const {
    InsertFile(page, "TEMPLATEHAUT", header, TextId::MissingHeader);
    InsertFile(page, "TEMPLATEBAS", footer, TextId::MissingFooter);
}

void Markers::ClearSignature(PageLines& page) const {
    ClearLines(page, Find(page, "SIGNATURE", 0) + 1, Find(page, "FINSIGNATURE", 0) - 1);
}

void StripMarkers(PageLines& page) {
    std::vector<std::string> kept;
    kept.reserve(page.Lines().size());
    for (const std::string& line : page.Lines()) {
        const bool empty = line.empty() || line.rfind("<!--", 0) == 0;
        // The first line stays whatever it is; from the second on, an empty
        // line after an empty line goes, to the end of the page.
        if (empty && kept.size() >= 2 && kept.back().empty()) continue;
        kept.push_back(empty ? std::string() : line);
    }
    page = PageLines(std::move(kept));
}

}  // namespace palimora
