#include "publish/ui/FtpSettingsWindow.h"

#include "common/UserDialogs.h"
#include "common/ui/Colours.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "lang/ui/CommandGuard.h"
#include "publish/PublishRun.h"

#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QShortcut>

namespace palimora {
namespace {

constexpr int kEditHeight = 21;

// Draws every character of a password as "$".
class DollarPasswordStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '$';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QLabel* LabelAt(const QString& text, int left, int top, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit* EditAt(int left, int top, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(left, top, 241, kEditHeight);
    return edit;
}

}  // namespace

TFormFTP::TFormFTP(FtpServer& server, const Language& language, UserDialogs& dialogs, const std::string& projectName,
                   std::function<void()> showHelp, QWidget* parent)
    : QDialog(parent), server_(server), language_(language), dialogs_(dialogs), showHelp_(std::move(showHelp)) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(ToScreen(language.LangText(TextId::PublishTitle)));
    setFixedSize(401, 266);
    Panel1 = new QWidget(this);
    Panel1->setGeometry(rect());
    PaintBackground(Panel1, kWindowColour);

    const auto text = [&language](TextId id) { return ToScreen(language.LangText(id)); };
    Label1 = LabelAt(text(TextId::FtpServerLabel), 16, 24, Panel1);
    Label4 = LabelAt(text(TextId::FtpServerExample), 56, 48, Panel1);
    Label7 = new QLabel(ToScreen(language.LangText(TextId::TheProject) + " " + projectName +
                                 language.LangText(TextId::PublishedInFolder)),
                        Panel1);
    Label7->setWordWrap(true);
    Label7->setGeometry(56, 64, 318, Label7->heightForWidth(318));
    Label2 = LabelAt(text(TextId::UserNameLabel), 16, 112, Panel1);
    Label5 = LabelAt(text(TextId::AskYourHost), 56, 136, Panel1);
    Label3 = LabelAt(text(TextId::PasswordLabel), 16, 168, Panel1);
    Label6 = LabelAt(text(TextId::AskYourHost), 56, 192, Panel1);

    Edit1 = EditAt(128, 16, Panel1);
    Edit2 = EditAt(128, 104, Panel1);
    MaskEdit1 = EditAt(128, 160, Panel1);
    // The style is a child of the window made after Panel1, so it outlives the field that uses it.
    auto* dollars = new DollarPasswordStyle;
    dollars->setParent(this);
    MaskEdit1->setStyle(dollars);
    MaskEdit1->setEchoMode(QLineEdit::Password);

    BitBtn1 = new QPushButton(text(TextId::Ok), Panel1);
    BitBtn1->setGeometry(16, 232, 105, 25);
    BitBtn1->setEnabled(false);
    BitBtn1->setDefault(true);
    BitBtn3 = new QPushButton(text(TextId::HelpButton), Panel1);
    BitBtn3->setGeometry(152, 232, 105, 25);
    BitBtn3->setAutoDefault(false);
    BitBtn2 = new QPushButton(text(TextId::Cancel), Panel1);
    BitBtn2->setGeometry(288, 232, 105, 25);
    BitBtn2->setAutoDefault(false);
    QWidget* const tabOrder[] = {Edit1, Edit2, MaskEdit1, BitBtn1, BitBtn3, BitBtn2};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // Only the address and the user name come back; the password is typed each time.
    if (!server_.host.empty()) Edit1->setText(ToScreen(server_.host));
    if (!server_.user.empty()) Edit2->setText(ToScreen(server_.user));

    for (QLineEdit* field : {Edit1, Edit2, MaskEdit1}) {
        connect(field, &QLineEdit::textChanged, this, &TFormFTP::FieldsChanged);
    }
    const CommandGuard guard(dialogs_, language_);
    guard.Connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    guard.Connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &TFormFTP::reject);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    guard.Connect(help, &QShortcut::activated, this, [this] { BitBtn3Click(); });
}

void TFormFTP::FieldsChanged() {
    BitBtn1->setEnabled(!Edit1->text().isEmpty() && !Edit2->text().isEmpty() && !MaskEdit1->text().isEmpty());
}

void TFormFTP::BitBtn1Click() {
    server_.host = FromScreen(Edit1->text());
    server_.user = FromScreen(Edit2->text());
    server_.password = FromScreen(MaskEdit1->text());
    // Cancel keeps what was typed for the next opening but publishes nothing.
    done(dialogs_.AskOkCancel(language_.LangText(TextId::PublishQuestion)) == kModalYes ? kModalYes : kModalCancel);
}

void TFormFTP::BitBtn3Click() {
    if (showHelp_) showHelp_();
}

void TFormFTP::reject() { done(kModalCancel); }

}  // namespace palimora
