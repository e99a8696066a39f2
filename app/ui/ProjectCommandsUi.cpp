// The project commands of the main window: new, open and save.

#include "app/ProjectCommands.h"
#include "app/ResultCommand.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PressedLook.h"
#include "common/ui/BusyCursor.h"
#include "common/ui/OpenFile.h"
#include "common/ui/ScreenText.h"
#include "lang/TextId.h"
#include "project/ui/PictureDisplay.h"
#include "project/ui/PictureListView.h"
#include "project/ui/PictureTabs.h"
#include "sitegen/ui/BuildWindow.h"
#include "styles/ui/WebBrowser.h"


#include <QLabel>

namespace palimora {

void TForm1::ShowProject() {
    LabNom->setText(ToScreen(session_.ProjectName()));
    TabbedImg->Panel1->Clear();
    TabbedImg->ShowTexts({}, {});
    // Step 1: the picture tools and the list; the browser off-screen.
    AppuieBouton2(*BoutImg2, false);
    AppuieBouton2(*BoutVid, true);
    LabelEtape->setText(ToScreen(session_.LangText(TextId::StepOne)));
    for (PictureButton* button : {BoutMon, BoutImg, BoutDes, BoutSup}) button->show();
    for (PictureButton* button : {BoutG, BoutS, BoutI, BoutLoupe}) button->hide();
    ListView1->show();
    WebBrowser1->move(-407, WebBrowser1->y());
    FileListBox1Change();
    ListView1Click();
}

void TForm1::BoutNouClick() {
    PressedLook pressed(*BoutNou);
    NewCommand(session_, *dialogs_, *projectWindows_);
    ShowProject();
}

void TForm1::BoutOuvClick() {
    PressedLook pressed(*BoutOuv);
    OpenCommand(session_, *dialogs_, *projectWindows_);
    ShowProject();
}

void TForm1::BoutEnrClick() {
    PressedLook pressed(*BoutEnr);
    BusyCursor busy;
    SaveCommand(session_, *dialogs_, *projectWindows_);
    LabNom->setText(ToScreen(session_.ProjectName()));
}

bool TForm1::RunBuildWindow() {
    LabelEtape->setText(ToScreen(session_.LangText(TextId::SeeResult)));
    const SiteBuildSources sources{session_.Folder(),
                                   session_.ProjectName(),
                                   session_.CurrentLanguage(),
                                   session_.Settings(),
                                   session_.Pictures().Texts(),
                                   PicturesFolder(session_.WorkingFolder()),
                                   *dialogs_};
    TFCreaHTML window(sources, buildContext_, this);
    const bool built = window.exec() == kModalYes;
    buildContext_.Reset();
    LabelEtape->setText(ToScreen(session_.LangText(ListView1->isVisible() ? TextId::StepOne : TextId::DesignPages)));
    return built;
}

void TForm1::BoutProClick() {
    PressedLook pressed(*BoutPro);
    const ResultStep step = SeeResult(session_, *dialogs_, *projectWindows_);
    LabNom->setText(ToScreen(session_.ProjectName()));
    if (step == ResultStep::Refused) return;
    if (step == ResultStep::Build && !RunBuildWindow()) return;
    if (const auto page = StartPage(session_, step == ResultStep::OpenBuilt)) {
        OpenWithDefaultProgram(*page);
    }
}

}  // namespace palimora
