#include "publish/ui/FtpSettingsWindow.h"

#include "common/Cp1252.h"
#include "common/UserDialogs.h"
#include "common/ui/Colours.h"
#include "common/ui/DesignedNames.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "lang/ui/CommandGuard.h"
#include "publish/PasswordStore.h"
#include "publish/PublishRun.h"
#include "publish/RememberedServer.h"
#include "publish/ServerAddress.h"

#include <QCheckBox>

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

FtpSettingsWindow::FtpSettingsWindow(FtpServer& server, const Language& language, UserDialogs& dialogs,
                                     const std::string& projectName, std::function<void()> showHelp, QWidget* parent)
    : QDialog(parent), server_(server), language_(language), dialogs_(dialogs), showHelp_(std::move(showHelp)) {
    setObjectName(QStringLiteral("TFormFTP"));  // its designed name
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(ToScreen(language.LangText(TextId::PublishTitle)));
    setFixedSize(401, 266);
    Frame = new QWidget(this);
    Frame->setGeometry(rect());
    PaintBackground(Frame, kWindowColour);

    const auto text = [&language](TextId id) { return ToScreen(language.LangText(id)); };
    HostLabel = LabelAt(text(TextId::FtpServerLabel), 16, 24, Frame);
    HostExample = LabelAt(text(TextId::FtpServerExample), 56, 48, Frame);
    FolderHint = new QLabel(ToScreen(language.LangText(TextId::TheProject) + " " + projectName +
                                     language.LangText(TextId::PublishedInFolder)),
                            Frame);
    FolderHint->setWordWrap(true);
    FolderHint->setGeometry(56, 64, 318, FolderHint->heightForWidth(318));
    UserLabel = LabelAt(text(TextId::UserNameLabel), 16, 112, Frame);
    UserHint = LabelAt(text(TextId::AskYourHost), 56, 136, Frame);
    PasswordLabel = LabelAt(text(TextId::PasswordLabel), 16, 168, Frame);
    PasswordHint = LabelAt(text(TextId::AskYourHost), 56, 192, Frame);

    HostEdit = EditAt(128, 16, Frame);
    UserEdit = EditAt(128, 104, Frame);
    PasswordEdit = EditAt(128, 160, Frame);
    // The style is a child of the window made after the frame, so it outlives the field that uses it.
    auto* dollars = new DollarPasswordStyle;
    dollars->setParent(this);
    PasswordEdit->setStyle(dollars);
    PasswordEdit->setEchoMode(QLineEdit::Password);
    HostLabel->setBuddy(HostEdit);
    UserLabel->setBuddy(UserEdit);
    PasswordLabel->setBuddy(PasswordEdit);

    RememberBox = new QCheckBox(text(TextId::RememberPassword), Frame);
    RememberBox->setGeometry(128, 208, 265, 19);

    OkButton = new QPushButton(text(TextId::Ok), Frame);
    OkButton->setGeometry(16, 232, 105, 25);
    OkButton->setEnabled(false);
    OkButton->setDefault(true);
    HelpButton = new QPushButton(text(TextId::HelpButton), Frame);
    HelpButton->setGeometry(152, 232, 105, 25);
    HelpButton->setAutoDefault(false);
    CancelButton = new QPushButton(text(TextId::Cancel), Frame);
    CancelButton->setGeometry(288, 232, 105, 25);
    CancelButton->setAutoDefault(false);
    GiveDesignedNames({{Frame, "Panel1"},
                       {HostLabel, "Label1"},
                       {UserLabel, "Label2"},
                       {PasswordLabel, "Label3"},
                       {HostExample, "Label4"},
                       {UserHint, "Label5"},
                       {PasswordHint, "Label6"},
                       {FolderHint, "Label7"},
                       {HostEdit, "Edit1"},
                       {UserEdit, "Edit2"},
                       {PasswordEdit, "MaskEdit1"},
                       {RememberBox, "RememberPassword"},
                       {OkButton, "BitBtn1"},
                       {CancelButton, "BitBtn2"},
                       {HelpButton, "BitBtn3"}});
    QWidget* const tabOrder[] = {HostEdit, UserEdit, PasswordEdit, RememberBox, OkButton, HelpButton, CancelButton};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // The address and the user name come back; the password only from the keyring.
    if (!server_.host.empty()) HostEdit->setText(ToScreen(server_.host));
    if (!server_.user.empty()) UserEdit->setText(ToScreen(server_.user));
    FillRememberedPassword();
    FieldsChanged();
    // Typing straight away fills the first empty field: a password never lands in clear in another.
    QWidget* focus = OkButton;
    for (QLineEdit* field : {PasswordEdit, UserEdit, HostEdit}) {
        if (field->text().isEmpty()) focus = field;
    }
    focus->setFocus();

    for (QLineEdit* field : {HostEdit, UserEdit, PasswordEdit}) {
        connect(field, &QLineEdit::textChanged, this, &FtpSettingsWindow::FieldsChanged);
    }
    const CommandGuard guard(dialogs_, language_);
    guard.Connect(OkButton, &QPushButton::clicked, this, [this] { ConfirmServer(); });
    guard.Connect(HelpButton, &QPushButton::clicked, this, [this] { OpenHelp(); });
    connect(CancelButton, &QPushButton::clicked, this, &FtpSettingsWindow::reject);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    guard.Connect(help, &QShortcut::activated, this, [this] { OpenHelp(); });
}

void FtpSettingsWindow::FieldsChanged() {
    OkButton->setEnabled(!HostEdit->text().isEmpty() && !UserEdit->text().isEmpty() && !PasswordEdit->text().isEmpty());
}

std::string FtpSettingsWindow::KeyringServer() const {
    return ServerName(ParseServerAddress(FromScreen(HostEdit->text()), server_.port));
}

void FtpSettingsWindow::FillRememberedPassword() {
    if (HostEdit->text().isEmpty() || UserEdit->text().isEmpty()) return;
    // A password this window could not have typed is left for the terminal.
    const auto password = RememberedPassword(FromScreen(HostEdit->text()), server_.port, FromScreen(UserEdit->text()));
    if (!password) return;
    PasswordEdit->setText(ToScreen(*password));
    RememberBox->setChecked(true);
    passwordWasRemembered_ = true;
}

void FtpSettingsWindow::RememberOrForgetPassword() {
    const std::string server = KeyringServer();
    const std::string user = Utf8FromCp1252(server_.user).Bytes();
    if (!RememberBox->isChecked()) {
        if (passwordWasRemembered_) password_store::Forget(server, user);
        return;
    }
    if (!password_store::Save(server, user, Utf8FromCp1252(server_.password).Bytes())) {
        dialogs_.ShowMessageOk(language_.LangText(TextId::PasswordNotRemembered));
    }
}

void FtpSettingsWindow::ConfirmServer() {
    server_.host = FromScreen(HostEdit->text());
    server_.user = FromScreen(UserEdit->text());
    server_.password = FromScreen(PasswordEdit->text());
    RememberOrForgetPassword();
    confirmed_ = true;
    // Cancel keeps what was typed for the next opening but publishes nothing.
    done(dialogs_.AskOkCancel(language_.LangText(TextId::PublishQuestion)) == kModalYes ? kModalYes : kModalCancel);
}

void FtpSettingsWindow::OpenHelp() {
    if (showHelp_) showHelp_();
}

void FtpSettingsWindow::reject() { done(kModalCancel); }

}  // namespace palimora
