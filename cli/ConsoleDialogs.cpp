#include "cli/ConsoleDialogs.h"

#include "common/Cp1252.h"

#include <algorithm>
#include <ostream>

namespace palimora {

int ConsoleDialogs::ShowMessageOk(const std::string& text) {
    out_ << Utf8FromCp1252(text) << '\n';
    return kModalOk;
}

int ConsoleDialogs::AskYesNoCancel(const std::string& text) {
    out_ << Utf8FromCp1252(text) << " -> no\n";
    return kModalNo;
}

int ConsoleDialogs::AskOkCancel(const std::string& text) {
    out_ << Utf8FromCp1252(text) << " -> cancel\n";
    return kModalCancel;
}

std::optional<std::string> ConsoleDialogs::AskText(const std::string&, const std::string& prompt, const std::string&) {
    out_ << Utf8FromCp1252(prompt) << " -> cancel\n";
    return std::nullopt;
}

void ConsoleProgress::SetStatus(const std::string& cp1252Text) {
    out_ << "[" << std::min(position_, maximum_) << "/" << maximum_ << "] " << Utf8FromCp1252(cp1252Text) << '\n';
}

}  // namespace palimora
