#include "lang/ui/QtUserDialogs.h"

#include "common/Error.h"
#include "common/ui/ScreenText.h"
#include "lang/ui/MessageWindows.h"

#include <QApplication>
#include <QInputDialog>

namespace palimora {
namespace {

template <typename Window>
int ShowModal(const Language& language, const std::string& text) {
    Window window(language, text);
    return window.exec();
}

}  // namespace

int QtUserDialogs::ShowMessageOk(const std::string& text) { return ShowModal<TMessOk>(language_, text); }
int QtUserDialogs::AskYesNoCancel(const std::string& text) { return ShowModal<TFYNC>(language_, text); }
int QtUserDialogs::AskOkCancel(const std::string& text) { return ShowModal<TFOC>(language_, text); }

std::optional<std::string> QtUserDialogs::AskText(const std::string& title, const std::string& prompt,
                                                  const std::string& initial) {
    while (true) {
        bool accepted = false;
        const QString answer = QInputDialog::getText(nullptr, ToScreen(title), ToScreen(prompt),
                                                     QLineEdit::Normal, ToScreen(initial), &accepted);
        if (!accepted) return std::nullopt;
        try {
            return FromScreen(answer);
        } catch (const PalimoraError& error) {
            ShowMessageOk(error.UserMessage());
        }
    }
}

void QtUserDialogs::Beep() { QApplication::beep(); }

bool QtKeepAlive::CancelRequested() {
    QApplication::processEvents();
    return false;
}

}  // namespace palimora
