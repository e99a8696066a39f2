#include "lang/Language.h"

#include "common/Error.h"
#include "common/FailureTexts.h"
#include "lang/LanguageChoice.h"

#include <algorithm>
#include <array>

#include <utility>

namespace palimora {
namespace {

// The texts of the lower layers' failure messages, in the order of Failure.
constexpr std::array<TextId, kFailureCount> kFailureTextIds{
    TextId::FileUnreadable,  TextId::NotAnOrdinaryFile, TextId::FileTooLarge,       TextId::FileUnwritable,
    TextId::FileNotReplaced, TextId::FileNotCopied,     TextId::TextNotUtf8,        TextId::CharacterNotStorable,
    TextId::NotConnected,    TextId::ListingUnderWay,   TextId::RemotePathUnusable, TextId::NameNeedsUtf8Server,
};

void InstallFailureTexts(const LanguageTexts& texts) {
    std::vector<std::string> words;
    for (const TextId text : kFailureTextIds) words.push_back(texts.LangText(text));
    SetFailureTexts(std::move(words));
}

}  // namespace

std::string Language::LoadChosen(const ProgramFolder& folder, std::string_view untilChosen) {
    const std::string chosen = IsFirstStart(folder) ? std::string(untilChosen) : StartLanguageCode(folder);
    try {
        Load(folder, chosen);
        return {};
    } catch (const PalimoraError& problem) {
        const std::string other(chosen == kEnglishCode ? kFrenchCode : kEnglishCode);
        try {
            Load(folder, other);
        } catch (const PalimoraError&) {
            texts_ = LanguageTexts();
            code_ = chosen;
        }
        return problem.UserMessage();
    }
}

void Language::Choose(const ProgramFolder& folder, std::string_view choice) {
    SaveLanguageChoice(folder, choice);
    std::string code = LanguageCodeOfChoice(folder, choice);
    Load(folder, code.empty() ? std::string(kFrenchCode) : std::move(code));
}

bool IsWorkingFolderName(const ProgramFolder& folder, std::string_view cp1252Name) {
    const std::vector<AvailableLanguage> languages = AvailableLanguages(folder);
    return std::any_of(languages.begin(), languages.end(),
                       [&](const AvailableLanguage& language) { return language.workingName == cp1252Name; });
}

bool Language::LoadForPages(const ProgramFolder& folder, std::string code) {
    try {
        texts_ = LanguageTexts::Load(folder.LanguageFile(code));
    } catch (const PalimoraError&) {
        return false;
    }
    code_ = std::move(code);
    return true;
}

void Language::Load(const ProgramFolder& folder, std::string code) {
    texts_ = LanguageTexts::Load(folder.LanguageFile(code));
    code_ = std::move(code);
    InstallFailureTexts(texts_);
}

}  // namespace palimora
