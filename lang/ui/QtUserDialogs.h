#pragma once

#include "common/UserDialogs.h"

namespace palimora {

class Language;

// The GUI's answer to the core's questions: the program's own message windows.
class QtUserDialogs : public UserDialogs {
public:
    explicit QtUserDialogs(const Language& language) : language_(language) {}

    int ShowMessageOk(const std::string& text) override;
    int AskYesNoCancel(const std::string& text) override;
    int AskYesNoCancelSafely(const std::string& text) override;
    int AskOkCancel(const std::string& text) override;
    std::optional<std::string> AskText(const std::string& title, const std::string& prompt,
                                       const std::string& initial) override;
    void Beep() override;
    int AskTrust(const std::string& text) override;
    int AskChoice(const std::string& text, const std::string& details, const std::vector<std::string>& buttons,
                  int defaultButton) override;

private:
    const Language& language_;
};

// Keeps windows alive during long loops by processing pending events; a
// window with a Cancel button of its own implements KeepAlive itself.
class QtKeepAlive : public KeepAlive {
public:
    bool CancelRequested() override;
};

}  // namespace palimora
