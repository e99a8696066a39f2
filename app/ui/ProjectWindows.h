#pragma once

#include "app/ProjectCommands.h"

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace palimora {

class Session;
class UserDialogs;

// TFEnrPro, the save window: asks the name to save the project under. OK
// runs the save confirmation and closes only when it agrees.
class SaveProjectWindow : public QDialog {
    Q_OBJECT
public:
    SaveProjectWindow(Session& session, UserDialogs& dialogs, TextId caption, QWidget* parent);

    QWidget* Frame = nullptr;
    QLabel* NameLabel = nullptr;
    QLineEdit* NameEdit = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // The name confirmed by OK.
    const std::string& ChosenName() const { return chosenName_; }
    void reject() override;

private:
    void ConfirmName();

    Session& session_;
    UserDialogs& dialogs_;
    std::string chosenName_;
};

// TFOpPr, the open window: lists the projects to open one, or delete one.
class OpenProjectWindow : public QDialog {
    Q_OBJECT
public:
    OpenProjectWindow(Session& session, UserDialogs& dialogs, QWidget* parent);

    QWidget* Frame = nullptr;
    QListWidget* ProjectList = nullptr;
    QPushButton* OpenButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* DeleteButton = nullptr;

    const std::string& OpenChoice() const { return openChoice_; }
    void reject() override;

private:
    void FillList();
    void ProjectChosen();
    void OpenChosen();
    void DeleteChosen();

    Session& session_;
    UserDialogs& dialogs_;
    std::string openChoice_;
};

// The project windows as the commands see them.
class QtProjectWindows : public ProjectWindows {
public:
    QtProjectWindows(Session& session, UserDialogs& dialogs, QWidget* parent)
        : session_(session), dialogs_(dialogs), parent_(parent) {}
    std::optional<std::string> ShowSaveWindow(TextId caption) override;
    std::optional<std::string> ShowOpenWindow() override;

private:
    Session& session_;
    UserDialogs& dialogs_;
    QWidget* parent_;
};

}  // namespace palimora
