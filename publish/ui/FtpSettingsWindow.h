#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace palimora {

class Language;
class UserDialogs;
struct FtpServer;

// TFormFTP, the FTP settings window: the server address, the user name and
// the password of this publication. It edits `server` in place: the address
// and user name typed last are shown again, the password never is. Closes
// with kModalYes when the user confirmed the publication, else kModalCancel.
class TFormFTP : public QDialog {
    Q_OBJECT
public:
    // `projectName` (Windows-1252) is told in the window; `showHelp` opens its help page.
    TFormFTP(FtpServer& server, const Language& language, UserDialogs& dialogs, const std::string& projectName,
             std::function<void()> showHelp, QWidget* parent);

    QWidget* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* MaskEdit1 = nullptr;
    QPushButton* BitBtn1 = nullptr;  // OK
    QPushButton* BitBtn3 = nullptr;  // help
    QPushButton* BitBtn2 = nullptr;  // cancel

    void BitBtn1Click();
    void BitBtn3Click();
    void reject() override;

private:
    void FieldsChanged();

    FtpServer& server_;
    const Language& language_;
    UserDialogs& dialogs_;
    std::function<void()> showHelp_;
};

}  // namespace palimora
