// The step switch of the main window: the picture list (step 1) and page
// design (step 2).

#include "app/ResultCommand.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureStep.h"
#include "app/ui/Toolbar.h"
#include "common/UserDialogs.h"
#include "common/ui/BusyCursor.h"
#include "common/ui/ScreenText.h"
#include "styles/SampleTemplates.h"

#include <QLabel>

namespace palimora {

void TForm1::BoutImg2Click() {
    if (step_.IsPictureList()) {
        dialogs_->Beep();
        return;
    }
    step_.EnterPictureList();
    ShowStep();
}

void TForm1::BoutSClick() { ShowNotebookOf(PageKind::Summary); }
void TForm1::BoutGClick() { ShowNotebookOf(PageKind::Gallery); }
void TForm1::BoutIClick() { ShowNotebookOf(PageKind::Picture); }

void TForm1::BoutVidClick() {
    if (step_.IsPageDesign()) {
        dialogs_->Beep();
        return;
    }
    const bool mayEnter = MayEnterPageDesign(session_, *dialogs_, *projectWindows_);
    ShowSavedProject();  // a save may have named the project
    if (!mayEnter) return;
    BusyCursor busy;
    step_.EnterPageDesign();
    pageDesign_->Enter();
    InstallChosenTemplate(session_.Folder(), session_.Settings(), session_.CurrentLanguage(),
                          SettingLine::SummaryTemplate);
    ShowStep();
}

void TForm1::ShowNotebookOf(PageKind kind) {
    if (!step_.IsPageDesign()) return;
    step_.ShowNotebook(kind);
    ShowStep();
}

}  // namespace palimora
