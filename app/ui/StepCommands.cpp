// The step switch of the main window: the picture list (step 1) and page
// design (step 2).

#include "app/ResultCommand.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureStep.h"
#include "app/ui/PressedLook.h"
#include "app/ui/Toolbar.h"
#include "common/UserDialogs.h"
#include "common/ui/BusyCursor.h"
#include "common/ui/ScreenText.h"
#include "styles/ui/StyleNotebooks.h"

#include <QLabel>

namespace palimora {

void MainWindow::ShowPictureList() {
    if (step_.IsPictureList()) {
        dialogs_->Beep();
        return;
    }
    step_.EnterPictureList();
    ShowStep();
}

void MainWindow::ShowSummaryDesign() { ChoosePageKind(PageKind::Summary, false); }
void MainWindow::ShowGalleryDesign() { ChoosePageKind(PageKind::Gallery, false); }
void MainWindow::ShowPictureDesign() { ChoosePageKind(PageKind::Picture, false); }

void MainWindow::RefreshShownSample() {
    if (!pageDesign_->Notebooks->SettingsLoaded()) return;
    PressedLook pressed(*toolbar_->RefreshButton);
    pageDesign_->RefreshSample(step_.Notebook(), true);
}

void MainWindow::ShowPageDesign() {
    if (step_.IsPageDesign()) {
        dialogs_->Beep();
        return;
    }
    pictureStep_->StoreTypedTexts();
    const bool mayEnter = MayEnterPageDesign(session_, *dialogs_, *projectWindows_);
    ShowSavedProject();  // a save may have named the project
    if (!mayEnter) return;
    BusyCursor busy;
    step_.EnterPageDesign();
    pageDesign_->Enter();
    ShowStep();
    pageDesign_->RefreshSample(PageKind::Summary, false);
}

void MainWindow::ChoosePageKind(PageKind kind, bool panelOnly) {
    if (!step_.IsPageDesign()) return;
    BusyCursor busy;
    step_.ShowNotebook(kind);
    ShowStep();
    if (panelOnly) return;
    pageDesign_->ShowFirstTab(kind);
    pageDesign_->RefreshSample(kind, false);
}

}  // namespace palimora
