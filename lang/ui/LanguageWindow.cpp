#include "lang/ui/LanguageWindow.h"

#include "common/Error.h"
#include "common/UserDialogs.h"
#include "common/ui/Colours.h"
#include "common/ui/DesignedNames.h"
#include "common/ui/ScreenText.h"
#include "lang/LanguageChoice.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <string>

namespace palimora {

LanguageWindow::LanguageWindow(const std::vector<std::string>& names, std::size_t offered,
                               std::function<void(std::string_view)> choose, QWidget* parent)
    : QDialog(parent), choose_(std::move(choose)) {
    setObjectName(QStringLiteral("TFormLang"));  // its designed name
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(374, 142);

    Frame = new QWidget(this);
    Frame->setGeometry(rect());
    PaintBackground(Frame, kWindowColour);

    PromptLabel = new QLabel(QStringLiteral("Choose your language / Choisissez votre langue :"), Frame);
    QFont bold(QStringLiteral("Arial"));
    bold.setBold(true);
    bold.setPixelSize(13);
    PromptLabel->setFont(bold);
    PromptLabel->setGeometry(16, 12, 342, 36);
    PromptLabel->setWordWrap(true);

    LanguageList = new QComboBox(Frame);
    LanguageList->setGeometry(16, 54, 200, 26);
    for (const std::string& name : names) LanguageList->addItem(ToScreen(name));
    LanguageList->setCurrentIndex(offered < names.size() ? static_cast<int>(offered) : 0);
    // The window has no caption: a screen reader names it, and the list, by the question.
    PromptLabel->setBuddy(LanguageList);
    setAccessibleName(PromptLabel->text());

    OkButton = new QPushButton(QStringLiteral("OK"), Frame);
    GiveDesignedNames({{Frame, "Panel1"}, {PromptLabel, "Label1"}, {LanguageList, "Combolang"}, {OkButton, "BitBtn1"}});
    OkButton->setGeometry(269, 100, 89, 25);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &LanguageWindow::ChooseLanguage);
}

void LanguageWindow::ChooseLanguage() {
    try {
        choose_(FromScreen(LanguageList->currentText()));
        done(kModalYes);
    } catch (const PalimoraError& error) {
        // No language is loaded yet, so the message comes in a plain box.
        QMessageBox::warning(this, QStringLiteral("Palimora"), ToScreen(error.UserMessage()));
    }
}

void LanguageWindow::reject() { done(kModalCancel); }

void LanguageWindow::keyPressEvent(QKeyEvent* event) {
    // There is no cancel button: Escape must not end the program by accident.
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

}  // namespace palimora
