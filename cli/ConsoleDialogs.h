#pragma once

#include "common/UserDialogs.h"
#include "lang/TextId.h"

#include <iosfwd>

namespace palimora {

class Language;

// Messages go to standard error as UTF-8; questions get a fixed answer:
// No, Cancel, no text, told after the question in `language`'s words
// (without one, in English). A build asks none.
class ConsoleDialogs : public UserDialogs {
public:
    explicit ConsoleDialogs(std::ostream& out, const Language* language = nullptr) : out_(out), language_(language) {}
    int ShowMessageOk(const std::string& text) override;
    int AskYesNoCancel(const std::string& text) override;
    int AskOkCancel(const std::string& text) override;
    std::optional<std::string> AskText(const std::string& title, const std::string& prompt,
                                       const std::string& initial) override;
    void Beep() override {}

protected:
    // The answer given to a question, as the user reads it after the question.
    void TellAnswer(const std::string& cp1252Question, TextId answer, const char* english) const;

private:
    std::ostream& out_;
    const Language* language_;
};

}  // namespace palimora
