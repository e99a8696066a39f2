#include "lang/ui/MessageWindows.h"

#include "common/UserDialogs.h"
#include "common/ui/DesignedNames.h"
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

    IconLabel = new QLabel(this);
    IconLabel->setGeometry(8, 16, 43, 43);
    IconLabel->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(43, 43));

    MessageLabel = new QLabel(ToScreen(message), this);
    GiveDesignedNames({{IconLabel, "Image1"}, {MessageLabel, "Label1"}});
    MessageLabel->setGeometry(64, 16, 249, 105);
    MessageLabel->setWordWrap(true);
    MessageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    MessageLabel->setFont(font);
    MessageLabel->setStyleSheet(QStringLiteral("color: maroon;"));
}

QPushButton* MessageWindow::AddButton(int left, TextId caption, int result) {
    auto* button = new QPushButton(ToScreen(language_.LangText(caption)), this);
    button->setGeometry(QRect(QPoint(left, kButtonTop), kButtonSize));
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    return button;
}

void MessageWindow::reject() { done(kModalCancel); }

void MessageWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (const int result = EscapeResult()) done(result);
        return;
    }
    QDialog::keyPressEvent(event);
}

OkMessageWindow::OkMessageWindow(const Language& language, const std::string& message)
    : MessageWindow(language, message, QSize(325, 172)) {
    setObjectName(QStringLiteral("TMessOk"));  // its designed name
    AcceptButton = AddButton(104, TextId::Ok, kModalOk);
    GiveDesignedNames({{AcceptButton, "BitBtn1"}});
    AcceptButton->setDefault(true);
    AcceptButton->setFocus();
}

YesNoCancelWindow::YesNoCancelWindow(const Language& language, const std::string& message)
    : MessageWindow(language, message, QSize(329, 170)) {
    setObjectName(QStringLiteral("TFYNC"));  // its designed name
    setWindowFlag(Qt::WindowStaysOnTopHint);
    AcceptButton = AddButton(8, TextId::Yes, kModalYes);
    NoButton = AddButton(112, TextId::No, kModalNo);
    CancelButton = AddButton(224, TextId::Cancel, kModalCancel);
    GiveDesignedNames({{AcceptButton, "BitBtn1"}, {NoButton, "BitBtn2"}, {CancelButton, "BitBtn3"}});
    AcceptButton->setDefault(true);
    AcceptButton->setFocus();
}

int YesNoCancelWindow::EscapeResult() const { return kModalNo; }

void YesNoCancelWindow::MakeNoTheDefault() {
    NoButton->setDefault(true);
    NoButton->setFocus();
}

OkCancelWindow::OkCancelWindow(const Language& language, const std::string& message)
    : MessageWindow(language, message, QSize(328, 171)) {
    setObjectName(QStringLiteral("TFOC"));  // its designed name
    AcceptButton = AddButton(8, TextId::Yes, kModalYes);
    CancelButton = AddButton(224, TextId::Cancel, kModalCancel);
    GiveDesignedNames({{AcceptButton, "BitBtn1"}, {CancelButton, "BitBtn3"}});
    AcceptButton->setDefault(true);
    AcceptButton->setFocus();
}

int OkCancelWindow::EscapeResult() const { return kModalCancel; }

}  // namespace palimora
