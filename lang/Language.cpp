#include "lang/Language.h"

#include "common/Error.h"
#include "lang/LanguageChoice.h"

#include <utility>

namespace palimora {

std::string Language::LoadChosen(const ProgramFolder& folder) {
    const std::string chosen = StartLanguageCode(folder);
    try {
        Load(folder, chosen);
        return {};
    } catch (const PalimoraError& problem) {
        const std::string other(chosen == kFrenchCode ? kEnglishCode : kFrenchCode);
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
    std::string code = LanguageCodeOfChoice(choice);
    Load(folder, code.empty() ? std::string(kFrenchCode) : std::move(code));
}

void Language::Load(const ProgramFolder& folder, std::string code) {
    texts_ = LanguageTexts::Load(folder.LanguageFile(code));
    code_ = std::move(code);
}

}  // namespace palimora
