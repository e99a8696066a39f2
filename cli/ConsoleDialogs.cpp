#include "cli/ConsoleDialogs.h"

#include "common/Cp1252.h"
#include "lang/Language.h"

#include <ostream>

namespace palimora {

int ConsoleDialogs::ShowMessageOk(const std::string& text) {
    out_ << Utf8FromCp1252(text) << '\n';
    return kModalOk;
}

void ConsoleDialogs::TellAnswer(const std::string& cp1252Question, TextId answer, const char* english) const {
    out_ << Utf8FromCp1252(cp1252Question) << " -> "
         << Utf8FromCp1252(language_ ? language_->LangText(answer) : std::string(english)) << '\n';
}

int ConsoleDialogs::AskYesNoCancel(const std::string& text) {
    TellAnswer(text, TextId::No, "No");
    return kModalNo;
}

int ConsoleDialogs::AskOkCancel(const std::string& text) {
    TellAnswer(text, TextId::Cancel, "Cancel");
    return kModalCancel;
}

std::optional<std::string> ConsoleDialogs::AskText(const std::string&, const std::string& prompt, const std::string&) {
    TellAnswer(prompt, TextId::Cancel, "Cancel");
    return std::nullopt;
}

}  // namespace palimora
