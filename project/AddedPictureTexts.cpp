#include "project/AddedPictureTexts.h"

#include "common/Cp1252.h"
#include "imaging/PhotoCaption.h"
#include "project/CommaList.h"
#include "project/PictureList.h"
#include "project/PictureTextLayout.h"

#include <optional>
#include <string>
#include <vector>

namespace palimora {

namespace {

// A metadata text as the program keeps it, or nothing when it is empty or
// cannot be stored (not UTF-8, or a control character without a byte).
std::optional<std::string> KeptText(const Utf8Text& text) {
    if (text.empty() || !IsStorableText(text)) return std::nullopt;
    return Cp1252FromUtf8(text);
}

// Cuts a text to at most `limit` bytes, at a blank when there is one.
std::string CutAtWord(std::string text, std::size_t limit) {
    if (text.size() <= limit) return text;
    const std::size_t blank = text.rfind(' ', limit);
    text.resize(blank != std::string::npos && blank > limit / 2 ? blank : CutToBytes(text, limit).size());
    return text;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// A description as a stored comment: its lines in comma-list form, the text
// shortened word by word until that form fits the record.
std::string CommentOf(std::string description) {
    std::string comment = ToCommaList(LinesOf(description));
    while (comment.size() > picture_text::kMaxComment && !description.empty()) {
        description = CutAtWord(description, description.size() - 1);
        comment = ToCommaList(LinesOf(description));
    }
    return comment;
}

// A caption longer than this gives the title only its start.
constexpr std::size_t kLongestCaptionTitle = 80;

bool IsShortCaption(const std::string& text) {
    return text.size() <= kLongestCaptionTitle && text.find_first_of("\r\n") == std::string::npos;
}

// The title a long caption gives: its first sentence when that is short
// enough, else its first words; without the sentence's full stop.
std::string TitleOfCaption(const std::string& caption) {
    const std::string line = caption.substr(0, caption.find_first_of("\r\n"));
    std::size_t end = std::string::npos;
    for (std::size_t at = line.find_first_of(".!?"); at != std::string::npos; at = line.find_first_of(".!?", at + 1)) {
        if (at + 1 == line.size() || line[at + 1] == ' ') {
            end = at + (line[at] == '.' ? 0 : 1);
            break;
        }
    }
    std::string title = end != std::string::npos && end <= kLongestCaptionTitle ? line.substr(0, end)
                                                                                : CutAtWord(line, kLongestCaptionTitle);
    while (!title.empty() && (title.back() == ' ' || title.back() == ',' || title.back() == ';')) title.pop_back();
    return title;
}

}  // namespace

PictureTextFile::Texts TextsOfAddedPicture(const std::filesystem::path& source, AddedTexts from) {
    PictureTextFile::Texts texts;
    if (from == AddedTexts::FromPhoto) {
        const PhotoCaption caption = CaptionOf(source);
        const std::optional<std::string> title = KeptText(caption.title);
        std::optional<std::string> description = KeptText(caption.description);
        if (title) {
            texts.title = CutAtWord(*title, picture_text::kMaxTitle);
        } else if (description && IsShortCaption(*description)) {
            texts.title = *description;
            description.reset();
        } else if (description) {
            texts.title = TitleOfCaption(*description);  // the caption stays whole as the comment
        }
        if (description && *description != texts.title) texts.comment = CommentOf(*description);
    }
    if (texts.title.empty()) texts.title = TitleOfSource(source);
    return texts;
}

}  // namespace palimora
