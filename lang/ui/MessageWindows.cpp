#include "lang/ui/MessageWindows.h"

#include "common/UserDialogs.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "lang/TextId.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace palimora {
namespace {

constexpr int kButtonTop = 136;
constexpr QSize kButtonSize(89, 25);

}  // namespace

MessageWindow::MessageWindow(const Language& language, const std::string& message, QSize clientSize)
    : language_(language) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(clientSize);
    setWindowTitle(ToScreen(language.LangText(TextId::MessageTitle)));

    Image1 = new QLabel(this);
    Image1->setGeometry(8, 16, 43, 43);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(43, 43));

    Label1 = new QLabel(ToScreen(message), this);
    Label1->setGeometry(64, 16, 249, 105);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    Label1->setFont(font);
    Label1->setStyleSheet(QStringLiteral("color: maroon;"));
}

QPushButton* MessageWindow::AddButton(int left, TextId caption, int result) {
    auto* button = new QPushButton(ToScreen(language_.LangText(caption)), this);
    button->setGeometry(QRect(QPoint(left, kButtonTop), kButtonSize));
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    return button;
}

void MessageWindow::reject() {
    done(kModalCancel);
}

void MessageWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (const int result = EscapeResult()) done(result);
        return;
    }
    QDialog::keyPressEvent(event);
}

TMessOk::TMessOk(const Language& language, const std::string& message)
    : MessageWindow(language, message, QSize(325, 172)) {
    BitBtn1 = AddButton(104, TextId::Ok, kModalOk);
    BitBtn1->setDefault(true);
    BitBtn1->setFocus();
}

TFYNC::TFYNC(const Language& language, const std::string& message)
    : MessageWindow(language, message, QSize(329, 170)) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
    BitBtn1 = AddButton(8, TextId::Yes, kModalYes);
    BitBtn2 = AddButton(112, TextId::No, kModalNo);
    BitBtn3 = AddButton(224, TextId::Cancel, kModalCancel);
    BitBtn1->setDefault(true);
    BitBtn1->setFocus();
}

int TFYNC::EscapeResult() const { return kModalNo; }

TFOC::TFOC(const Language& language, const std::string& message)
    : MessageWindow(language, message, QSize(328, 171)) {
    BitBtn1 = AddButton(8, TextId::Yes, kModalYes);
    BitBtn3 = AddButton(224, TextId::Cancel, kModalCancel);
    BitBtn1->setDefault(true);
    BitBtn1->setFocus();
}

int TFOC::EscapeResult() const { return kModalCancel; }

}  // namespace palimora
