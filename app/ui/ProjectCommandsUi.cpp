// The project commands of the main window: new, open and save.

#include "app/HelpPages.h"
#include "app/ProjectCommands.h"
#include "app/ResultCommand.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PictureStep.h"
#include "app/ui/PressedLook.h"
#include "app/ui/Toolbar.h"
#include "common/Error.h"
#include "common/ui/BusyCursor.h"
#include "common/ui/OpenFile.h"
#include "common/ui/ScreenText.h"
#include "project/ui/PictureTabs.h"
#include "publish/RememberedServer.h"
#include "publish/ui/FtpSettingsWindow.h"
#include "publish/ui/TransferWindow.h"
#include "sitegen/ui/BuildWindow.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>

namespace palimora {
namespace fs = std::filesystem;

void MainWindow::ShowSavedProject() {
    ProjectNameLabel->setText(ToScreen(session_.ProjectName()));
    pageDesign_->LoadSettings();
}

void MainWindow::ShowProject() {
    ShowSavedProject();
    pictureStep_->ShowNewProject();
    step_.EnterPictureList();
    ShowStep();
    pictureStep_->RefillPictureList();
    pictureStep_->ShowChosenPicture();
}

void MainWindow::StartNewProject() {
    PressedLook pressed(*toolbar_->NewButton);
    pictureStep_->StoreTypedTexts();
    if (!NewCommand(session_, *dialogs_, *projectWindows_)) return;
    ShowProject();
    pictureStep_->PictureTabsView->hide();  // until a picture is added: nothing to show or title
}

void MainWindow::OpenSavedProject() {
    PressedLook pressed(*toolbar_->OpenButton);
    pictureStep_->StoreTypedTexts();
    OpenCommand(session_, *dialogs_, *projectWindows_);
    ShowProject();
}

void MainWindow::SaveCurrentProject() {
    PressedLook pressed(*toolbar_->SaveButton);
    pictureStep_->StoreTypedTexts();
    BusyCursor busy;
    SaveCommand(session_, *dialogs_, *projectWindows_);
    ShowSavedProject();
}

bool MainWindow::RunBuildWindow(AfterBuild after) {
    ShowStepLabel(TextId::SeeResult);
    BuildWindow window({session_.Folder(), session_.ProjectName(), session_.WorkingFolder()},
                       session_.CurrentLanguage(), *dialogs_, this);
    if (after == AfterBuild::GoOn) window.CloseOnceBuilt();
    const bool built = window.exec() == kModalYes;
    ShowStepLabel(step_.IsPictureList() ? step_.LabelText() : TextId::DesignPages);
    return built;
}

void MainWindow::ShowResult() {
    PressedLook pressed(*toolbar_->ResultButton);
    pictureStep_->StoreTypedTexts();
    const ResultStep step = SeeResult(session_, *dialogs_, *projectWindows_);
    ShowSavedProject();
    if (step == ResultStep::Refused) return;
    if (step == ResultStep::Build && !RunBuildWindow()) return;
    if (const auto page = StartPage(session_, step == ResultStep::OpenBuilt)) {
        openFile_(*page);
    }
}

void MainWindow::ShowStepLabelAfterPublishing() {
    ShowStepLabel(step_.IsPictureList() ? TextId::StepOne : TextId::DesignPages);
}

bool MainWindow::RunFtpSettingsWindow() {
    ShowStepLabel(TextId::PublishHint);
    if (ftp_.host.empty()) {
        // The server kept from an earlier run of the program; the window finds its password itself.
        if (const auto kept = RememberedServer(session_.Folder())) {
            ftp_ = *kept;
            ftp_.password.clear();
        }
    }
    const fs::path help = PublishHelpPage(session_.Folder(), session_.LanguageCode());
    FtpSettingsWindow window(
        ftp_, session_.CurrentLanguage(), *dialogs_, session_.ProjectName(), [this, help] { openFile_(help); }, this);
    const bool confirmed = window.exec() == kModalYes;
    if (window.ServerConfirmed()) {
        KeepOrForgetServer(window.RememberBox->isChecked());
        askServerAgain_ = false;
    }
    ShowStepLabelAfterPublishing();
    return confirmed;
}

void MainWindow::KeepOrForgetServer(bool passwordRemembered) {
    try {
        KeepServer(session_.Folder(), passwordRemembered ? std::optional<FtpServer>(ftp_) : std::nullopt);
    } catch (const PalimoraError& error) {
        dialogs_->ShowMessageOk(error.UserMessage());  // the next publication asks for the server again
    }
}

PublishOutcome MainWindow::RunTransferWindow(RemoteFolder folder) {
    ShowStepLabel(TextId::PublishHint);
    const auto page = StartPage(session_, false);
    TransferWindow window(session_.Folder(), session_.ProjectName(), ftp_,
                          page ? page->filename().string() : std::string(), session_.CurrentLanguage(), *dialogs_,
                          openAddress_, this);
    if (folder == RemoteFolder::LastUsed) window.ReuseLastFolder();
    window.exec();
    ShowStepLabelAfterPublishing();
    return window.Outcome();
}

void MainWindow::PublishToKeptServer(const FtpServer& server) {
    const ResultStep step = PrepareToPublish(session_, *dialogs_, *projectWindows_);
    ShowSavedProject();
    if (step == ResultStep::Refused) return;
    if (step == ResultStep::Build && !RunBuildWindow(AfterBuild::GoOn)) return;
    ftp_ = server;
    // A password changed on the server, a server moved: the settings window comes back next time.
    askServerAgain_ = RunTransferWindow(RemoteFolder::LastUsed) == PublishOutcome::Failed;
}

void MainWindow::PublishOnline(ServerChoice choice) {
    PressedLook pressed(*toolbar_->PublishButton);
    pictureStep_->StoreTypedTexts();
    const bool settingsAsked =
        choice == ServerChoice::SettingsWindow || QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
    if (!settingsAsked && !askServerAgain_) {
        if (const auto kept = RememberedServer(session_.Folder())) {
            PublishToKeptServer(*kept);
            return;
        }
    }
    const bool mayPublish = MayPublish(session_, *dialogs_, *projectWindows_);
    ShowSavedProject();
    if (!mayPublish) return;
    if (RunFtpSettingsWindow()) RunTransferWindow();
}

}  // namespace palimora
