#include "styles/StyleWords.h"

#include "common/Error.h"
#include "common/ProgramFolder.h"
#include "lang/LanguageChoice.h"
#include "lang/LanguageTexts.h"
#include "styles/SettingValues.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace palimora {

namespace {

// The language files of a program folder, read once: pages written on
// several threads ask for them at every marker.
const std::vector<LanguageTexts>& LanguagesOf(const ProgramFolder& folder) {
    static std::mutex mutex;
    static std::map<std::filesystem::path, std::vector<LanguageTexts>> read;
    const std::lock_guard lock(mutex);
    auto found = read.find(folder.Root());
    if (found != read.end()) return found->second;
    std::vector<LanguageTexts> languages;
    for (const AvailableLanguage& language : AvailableLanguages(folder)) {
        try {
            languages.push_back(LanguageTexts::Load(folder.LanguageFile(language.code)));
        } catch (const PalimoraError&) {
            // Gone since it was listed: its words are not known.
        }
    }
    return read.emplace(folder.Root(), std::move(languages)).first->second;
}

}  // namespace

std::optional<std::size_t> StyleWordIndex(const ProgramFolder& folder, std::span<const TextId> texts,
                                          std::string_view stored) {
    if (stored.empty()) return std::nullopt;
    for (const LanguageTexts& language : LanguagesOf(folder)) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (settings::SameIgnoringCase(language.LangText(texts[i]), stored)) return i;
        }
    }
    return std::nullopt;
}

}  // namespace palimora
