#pragma once

#include "app/Session.h"
#include "app/Step.h"
#include "lang/TextId.h"
#include "lang/ui/QtOwnTexts.h"
#include "publish/PublishRun.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>

class QLabel;
class QTimer;

namespace palimora {

class ClickableLabel;
class PageDesignStep;
class PictureStep;
class ProjectWindows;
class Toolbar;
class UserDialogs;

// TForm1, the main window: the session of the running program, the project
// name and step labels, and its rooms: the toolbar (Toolbar.h), the picture
// list of step 1 (PictureStep.h) and the page design of step 2
// (PageDesignStep.h). The project commands are in ProjectCommandsUi.cpp.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    struct Options {
        bool showIntro = true;                     // tests start without the splash
        UserDialogs* dialogs = nullptr;            // tests script the answers; default: the message windows
        ProjectWindows* projectWindows = nullptr;  // tests script them; default: the save and open windows
        // Opens a page or a picture with the user's default program; tests record it.
        std::function<void(const std::filesystem::path&)> openFile;
        // Opens a web address in the user's browser; tests record it.
        std::function<void(const std::string&)> openAddress;
    };

    MainWindow(ProgramFolder folder, Options options);
    ~MainWindow() override;

    Session& CurrentSession() { return session_; }
    UserDialogs& Dialogs() { return *dialogs_; }
    const Step& CurrentStep() const { return step_; }
    Toolbar& Tools() { return *toolbar_; }
    PictureStep& Pictures() { return *pictureStep_; }
    PageDesignStep& PageDesign() { return *pageDesign_; }

    // First activation: language question on the first start, placement,
    // blinking step label. Runs once; false when the program must end.
    bool FormActivate();

    // Puts the language texts into the window's captions and hints.
    void ApplyLanguage();

    // Every second: the step label blinks between its colour and red.
    void BlinkStepLabel();

    // The step switch: the picture list (step 1) and page design (step 2).
    void ShowPictureList();
    void ShowPageDesign();
    // The page-kind buttons of page design: the notebook of that kind of page.
    void ShowSummaryDesign();
    void ShowGalleryDesign();
    void ShowPictureDesign();
    // The magnifier: the shown kind's sample rebuilt with the current settings.
    void RefreshShownSample();

    // The project commands.
    void StartNewProject();
    void OpenSavedProject();
    void SaveCurrentProject();
    // See the result: builds the site when needed and opens its start page.
    void ShowResult();
    // Runs the build window; true when the site was built and OK pressed
    // (or, for a command that goes on with the site, as soon as it is built).
    enum class AfterBuild { WaitForOk, GoOn };
    bool RunBuildWindow(AfterBuild after = AfterBuild::WaitForOk);
    // Publish: checks the project, then the FTP settings and transfer
    // windows. To a server kept with its password it saves, builds and
    // publishes in one go, unless the settings window is asked for (Shift,
    // Ctrl+Shift+P) or the last such run failed.
    enum class ServerChoice { KeptServer, SettingsWindow };
    void PublishOnline(ServerChoice choice = ServerChoice::KeptServer);
    // The server typed in the FTP settings window, kept for this run of the
    // program only (the password too, though the window never shows it again).
    const FtpServer& FtpSettings() const { return ftp_; }

    QLabel* Background = nullptr;
    ClickableLabel* LogoMark = nullptr;  // the logo's mark and name: a click opens the program's web site
    ClickableLabel* LogoName = nullptr;
    QLabel* ProjectNameLabel = nullptr;
    QLabel* StepLabel = nullptr;
    QTimer* BlinkTimer = nullptr;

signals:
    // Emitted when the first-start language window was closed without OK.
    void languageRefused();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate(bool showIntro);
    void ConnectCommands();
    void ShowStartWarnings();
    void PlaceOnScreen();
    // Gives the room of a window larger than designed to the picture list
    // and the preview; the toolbar moves down.
    void LayOutForSize(QSize size);
    void Quit();
    void ShowHelp();
    bool AskLanguage();
    // Shows the project as the session now holds it: name, step 1, the list.
    void ShowProject();
    // Shows the current step: its rooms, its buttons and its label.
    void ShowStep();
    // A page kind chosen by its button or by a link followed in a sample;
    // `panelOnly` when the browser is already showing that kind's sample.
    void ChoosePageKind(PageKind kind, bool panelOnly);
    // After a command that may have saved or opened: the name, and the
    // project's settings in the style controls.
    void ShowSavedProject();
    void ShowStepLabel(TextId text);
    // The step label once a publishing window closes.
    void ShowStepLabelAfterPublishing();
    bool RunFtpSettingsWindow();
    // Keeps the server for one-step publishing when its password is remembered, else forgets it.
    void KeepOrForgetServer(bool passwordRemembered);
    void PublishToKeptServer(const FtpServer& server);
    enum class RemoteFolder { Ask, LastUsed };
    PublishOutcome RunTransferWindow(RemoteFolder folder = RemoteFolder::Ask);

    Session session_;
    Step step_;
    std::unique_ptr<UserDialogs> ownDialogs_;
    QtOwnTexts qtOwnTexts_;
    UserDialogs* dialogs_ = nullptr;
    std::unique_ptr<ProjectWindows> ownProjectWindows_;
    ProjectWindows* projectWindows_ = nullptr;
    std::unique_ptr<Toolbar> toolbar_;
    PictureStep* pictureStep_ = nullptr;
    PageDesignStep* pageDesign_ = nullptr;
    bool firstActivation_ = false;
    bool resizable_ = false;  // set once the window is placed on a screen wider than it
    QPixmap designedBackground_;
    bool endWithoutQuestions_ = false;  // the first-start language was refused
    std::function<void(const std::filesystem::path&)> openFile_;
    std::function<void(const std::string&)> openAddress_;
    FtpServer ftp_;
    bool askServerAgain_ = false;  // a publication to the kept server failed
};

}  // namespace palimora
