#include "lang/ui/QtUserDialogs.h"

#include "common/Error.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "lang/ui/MessageWindows.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace palimora {
namespace {

template <typename Window>
int ShowModal(const Language& language, const std::string& text) {
    Window window(language, text);
    return window.exec();
}

constexpr int kLeastTextQuestionWidth = 420;

// The width a title bar needs to show `title` whole: its text, a little
// larger and bolder than the body's, and the icon and buttons around it.
int TitleBarRoom(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() > 0 ? font.pointSizeF() * 1.25 : 12);
    constexpr int kIconAndButtons = 160;
    return QFontMetrics(font).horizontalAdvance(title) + kIconAndButtons;
}

}  // namespace

int QtUserDialogs::ShowMessageOk(const std::string& text) { return ShowModal<OkMessageWindow>(language_, text); }
int QtUserDialogs::AskYesNoCancel(const std::string& text) { return ShowModal<YesNoCancelWindow>(language_, text); }
int QtUserDialogs::AskYesNoCancelSafely(const std::string& text) {
    YesNoCancelWindow window(language_, text);
    window.MakeNoTheDefault();
    return window.exec();
}
int QtUserDialogs::AskOkCancel(const std::string& text) { return ShowModal<OkCancelWindow>(language_, text); }

int QtUserDialogs::AskTrust(const std::string& text) {
    // Sized to the whole text (the fingerprint's last line and the closing
    // question included); Enter and Escape both refuse.
    QMessageBox box(QMessageBox::Warning, ToScreen(language_.LangText(TextId::ProgramTitle)), ToScreen(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("trustQuestion"));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton* trust = box.addButton(ToScreen(language_.LangText(TextId::Ok)), QMessageBox::AcceptRole);
    QPushButton* refuse = box.addButton(ToScreen(language_.LangText(TextId::Cancel)), QMessageBox::RejectRole);
    box.setDefaultButton(refuse);
    box.setEscapeButton(refuse);
    box.exec();
    return box.clickedButton() == trust ? kModalYes : kModalCancel;
}

int QtUserDialogs::AskChoice(const std::string& text, const std::string& details,
                             const std::vector<std::string>& buttons, int defaultButton) {
    // The details (a file a line) open under "Show Details..."; Escape and
    // the close box answer -1.
    QMessageBox box(QMessageBox::Question, ToScreen(language_.LangText(TextId::ProgramTitle)), ToScreen(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("choiceQuestion"));
    if (!details.empty()) box.setDetailedText(ToScreen(details));
    std::vector<QPushButton*> pressed;
    for (const std::string& caption : buttons) {
        pressed.push_back(
            box.addButton(ToScreen(caption), pressed.empty() ? QMessageBox::AcceptRole : QMessageBox::ActionRole));
    }
    if (defaultButton >= 0 && defaultButton < static_cast<int>(pressed.size()))
        box.setDefaultButton(pressed[defaultButton]);
    box.exec();
    const auto found = std::find(pressed.begin(), pressed.end(), box.clickedButton());
    return found == pressed.end() || found + 1 == pressed.end() ? -1 : static_cast<int>(found - pressed.begin());
}

std::optional<std::string> QtUserDialogs::AskText(const std::string& title, const std::string& prompt,
                                                  const std::string& initial) {
    while (true) {
        // Over the window in front, with the program's own button captions.
        QInputDialog dialog(QApplication::activeWindow());
        dialog.setWindowTitle(ToScreen(title));
        dialog.setLabelText(ToScreen(prompt));
        dialog.setTextValue(ToScreen(initial));
        dialog.setOkButtonText(ToScreen(language_.LangText(TextId::Ok)));
        dialog.setCancelButtonText(ToScreen(language_.LangText(TextId::Cancel)));
        // Wide enough for a long path, and for its title beside the title bar's icon and buttons.
        // (The dialog's layout sets its size from the field's.)
        if (auto* field = dialog.findChild<QLineEdit*>()) {
            field->setMinimumWidth(std::max(kLeastTextQuestionWidth, TitleBarRoom(dialog.windowTitle())));
        }
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        try {
            return FromScreen(dialog.textValue());
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
