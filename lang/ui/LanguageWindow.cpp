#include "lang/ui/LanguageWindow.h"

#include "common/Error.h"
#include "common/UserDialogs.h"
#include "common/ui/Colours.h"
#include "common/ui/ScreenText.h"
#include "lang/LanguageChoice.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <string>

namespace palimora {

TFormLang::TFormLang(std::function<void(std::string_view)> choose, QWidget* parent)
    : QDialog(parent), choose_(std::move(choose)) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(374, 142);

    Panel1 = new QWidget(this);
    Panel1->setGeometry(rect());
    PaintBackground(Panel1, kWindowColour);

    Label1 = new QLabel(QStringLiteral("Choose your language / Choisissez votre langue :"), Panel1);
    QFont bold(QStringLiteral("Arial"));
    bold.setBold(true);
    bold.setPixelSize(13);
    Label1->setFont(bold);
    Label1->setGeometry(16, 12, 342, 36);
    Label1->setWordWrap(true);

    Combolang = new QComboBox(Panel1);
    Combolang->setGeometry(16, 54, 200, 26);
    for (std::string_view choice : {kEnglishChoice, kFrenchChoice}) {
        Combolang->addItem(ToScreen(std::string(choice)));
    }
    Combolang->model()->sort(0);
    Combolang->setCurrentIndex(0);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), Panel1);
    BitBtn1->setGeometry(269, 100, 89, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TFormLang::BitBtn1Click);
}

void TFormLang::BitBtn1Click() {
    try {
        choose_(FromScreen(Combolang->currentText()));
        done(kModalYes);
    } catch (const PalimoraError& error) {
        // No language is loaded yet, so the message comes in a plain box.
        QMessageBox::warning(this, QStringLiteral("Palimora"), ToScreen(error.UserMessage()));
    }
}

void TFormLang::reject() { done(kModalCancel); }

void TFormLang::keyPressEvent(QKeyEvent* event) {
    // There is no cancel button: Escape must not end the program by accident.
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

}  // namespace palimora
