#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace palimora {

class Language;
class UserDialogs;
struct FtpServer;

// TFormFTP, the FTP settings window: the server address, the user name and
// the password of this publication. It edits `server` in place: the address
// and user name typed last are shown again; the password only when the user
// had it remembered in the desktop's keyring (RememberBox). Closes with
// kModalYes when the user confirmed the publication, else kModalCancel.
class FtpSettingsWindow : public QDialog {
    Q_OBJECT
public:
    // `projectName` (Windows-1252) is told in the window; `showHelp` opens its help page.
    FtpSettingsWindow(FtpServer& server, const Language& language, UserDialogs& dialogs, const std::string& projectName,
                      std::function<void()> showHelp, QWidget* parent);

    QWidget* Frame = nullptr;
    QLabel* HostLabel = nullptr;
    QLabel* UserLabel = nullptr;
    QLabel* PasswordLabel = nullptr;
    QLabel* HostExample = nullptr;
    QLabel* UserHint = nullptr;
    QLabel* PasswordHint = nullptr;
    QLabel* FolderHint = nullptr;
    QLineEdit* HostEdit = nullptr;
    QLineEdit* UserEdit = nullptr;
    QLineEdit* PasswordEdit = nullptr;
    QCheckBox* RememberBox = nullptr;     // keep the password in the desktop's keyring
    QPushButton* OkButton = nullptr;      // OK
    QPushButton* HelpButton = nullptr;    // help
    QPushButton* CancelButton = nullptr;  // cancel

    void ConfirmServer();
    // Whether OK stored the fields in the server (whatever the publishing question's answer).
    bool ServerConfirmed() const { return confirmed_; }
    void OpenHelp();
    void reject() override;

private:
    void FieldsChanged();
    // The password remembered for the server and user shown, if any.
    void FillRememberedPassword();
    void RememberOrForgetPassword();
    // The server as the keyring names it, from the fields.
    std::string KeyringServer() const;

    FtpServer& server_;
    const Language& language_;
    UserDialogs& dialogs_;
    std::function<void()> showHelp_;
    bool passwordWasRemembered_ = false;
    bool confirmed_ = false;
};

}  // namespace palimora
