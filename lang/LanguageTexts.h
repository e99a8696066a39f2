#pragma once

#include "common/TextLines.h"
#include "lang/TextId.h"

#include <filesystem>
#include <string>

namespace palimora {

// The loaded language file: line N holds text N as "identifier,text".
class LanguageTexts {
public:
    LanguageTexts() = default;
    explicit LanguageTexts(TextLines lines) : lines_(std::move(lines)) {}

    // Loads french.asc or english.asc. Throws PalimoraError (in both
    // languages, since none is loaded yet) when the file cannot be read, or
    // when its line N is not text N for every text (a line missing, added
    // or out of place), naming the first text that is not.
    static LanguageTexts Load(const std::filesystem::path& languageFile);

    // Text N: what follows the first comma of line N, read from the line's
    // first 249 characters; empty when the line is missing or has no comma.
    std::string LangText(TextId text) const;

    std::size_t LineCount() const { return lines_.size(); }

    // The longest line a text may take; longer lines are cut to it.
    static constexpr std::size_t kMaxLineLength = 249;

private:
    TextLines lines_;
};

}  // namespace palimora
