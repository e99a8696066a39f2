#include "app/ui/Toolbar.h"

#include "app/Step.h"
#include "app/ui/PictureButton.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "lang/TextId.h"

#include <QKeySequence>
#include <QShortcut>

namespace palimora {
namespace {

enum class ShownIn { Always, PictureList, PageDesign };

struct ButtonLayout {
    PictureButton* Toolbar::*member;
    const char* designedName;
    const char* picture;
    TextId hint;
    QPoint position;
    ShownIn shownIn;
    const char* keys;  // the button's shortcut, "" for none
};

// The toolbar as designed: designed name, picture, hint text, position and the step it
// belongs to.
constexpr ButtonLayout kButtons[] = {
    {&Toolbar::NewButton, "BoutNou", "boutnou", TextId::NewProjectHint, {65, 480}, ShownIn::Always, "Ctrl+N"},
    {&Toolbar::OpenButton, "BoutOuv", "boutouv", TextId::OpenProjectHint, {130, 471}, ShownIn::Always, "Ctrl+O"},
    {&Toolbar::SaveButton, "BoutEnr", "boutenr", TextId::SaveHint, {198, 480}, ShownIn::Always, "Ctrl+S"},
    {&Toolbar::PicturesStepButton,
     "BoutImg2",
     "boutdep",
     TextId::PicturesStepHint,
     {275, 460},
     ShownIn::Always,
     "Ctrl+1"},
    {&Toolbar::DesignStepButton, "BoutVid", "boutvid", TextId::DesignPages, {444, 460}, ShownIn::Always, "Ctrl+2"},
    {&Toolbar::AddButton, "BoutImg", "boutplu", TextId::AddPicturesHint, {338, 493}, ShownIn::PictureList, "Ctrl+I"},
    {&Toolbar::UpButton, "BoutMon", "bouthau", TextId::MoveUpHint, {379, 480}, ShownIn::PictureList, "Alt+Up"},
    {&Toolbar::DownButton, "BoutDes", "boutbas", TextId::MoveDownHint, {378, 514}, ShownIn::PictureList, "Alt+Down"},
    {&Toolbar::RemoveButton, "BoutSup", "boutmoi", TextId::DeleteTickedHint, {420, 504}, ShownIn::PictureList, "Del"},
    {&Toolbar::SummaryButton, "BoutS", "boutsom", TextId::SummaryDesignHint, {320, 509}, ShownIn::PageDesign, "Ctrl+3"},
    {&Toolbar::GalleryButton, "BoutG", "boutgal", TextId::GalleryDesignHint, {374, 514}, ShownIn::PageDesign, "Ctrl+4"},
    {&Toolbar::PicturePageButton,
     "BoutI",
     "bouthti",
     TextId::PictureDesignHint,
     {432, 509},
     ShownIn::PageDesign,
     "Ctrl+5"},
    {&Toolbar::RefreshButton,
     "BoutLoupe",
     "boutlou",
     TextId::RefreshPreviewHint,
     {365, 458},
     ShownIn::PageDesign,
     "F5"},
    {&Toolbar::ResultButton, "BoutPro", "boutvoi", TextId::SeeResult, {534, 480}, ShownIn::Always, "Ctrl+R"},
    {&Toolbar::PublishButton, "BoutDif", "boutweb", TextId::PublishHint, {600, 471}, ShownIn::Always, "Ctrl+P"},
    {&Toolbar::QuitButton, "BoutQui", "boutqui", TextId::QuitHint, {662, 480}, ShownIn::Always, "Ctrl+Q"},
    {&Toolbar::HelpButton, "BoutAid", "boutaid", TextId::HelpHint, {137, 514}, ShownIn::Always, "F1"},
};

}  // namespace

Toolbar::Toolbar(const ProgramFolder& folder, QWidget* window) {
    for (const auto& layout : kButtons) {
        // The step buttons start from tag 0 so that the start-up toggles leave
        // step 1 pressed; every other button starts from 1 and shows its normal look.
        const bool stepButton =
            layout.member == &Toolbar::PicturesStepButton || layout.member == &Toolbar::DesignStepButton;
        auto* button = new PictureButton(folder, layout.picture, layout.position, stepButton ? 0 : 1, window);
        button->setObjectName(QString::fromLatin1(layout.designedName));
        button->setVisible(layout.shownIn != ShownIn::PageDesign);
        this->*layout.member = button;
        // F1 has its own shortcut in the window, for the screen shown.
        if (*layout.keys && layout.member != &Toolbar::HelpButton) {
            auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(layout.keys)), window);
            QObject::connect(shortcut, &QShortcut::activated, button, [button] {
                if (button->isVisible()) emit button->clicked();  // only the step's own commands
            });
        }
    }
}

void Toolbar::GiveStartLooks() {
    // As the window's creation toggles them: the design step button twice, so it ends normal.
    for (PictureButton* button :
         {OpenButton, NewButton, SaveButton, DesignStepButton, PicturesStepButton, DesignStepButton, SummaryButton,
          GalleryButton, PicturePageButton, AddButton, RemoveButton, UpButton, DownButton, PublishButton, ResultButton,
          QuitButton, RefreshButton, HelpButton}) {
        ToggleLook(*button);
    }
}

void Toolbar::MoveBy(QPoint offset) {
    for (const auto& layout : kButtons) (this->*layout.member)->move(layout.position + offset);
}

void Toolbar::ApplyLanguage(const Language& language) {
    for (const auto& layout : kButtons) {
        PictureButton* button = this->*layout.member;
        const QString hint = ToScreen(language.LangText(layout.hint));
        button->setAccessibleName(hint);
        const QString keys = QKeySequence(QString::fromLatin1(layout.keys)).toString(QKeySequence::NativeText);
        button->setToolTip(keys.isEmpty() ? hint : hint + QStringLiteral(" (") + keys + QLatin1Char(')'));
    }
}

void Toolbar::ShowStep(const Step& step) {
    for (const auto& layout : kButtons) {
        if (layout.shownIn == ShownIn::Always) continue;
        (this->*layout.member)->setVisible((layout.shownIn == ShownIn::PageDesign) == step.IsPageDesign());
    }
    SetNormalLook(*PicturesStepButton, step.IsPageDesign());
    SetNormalLook(*DesignStepButton, step.IsPictureList());
    if (step.IsPageDesign()) {
        SetNormalLook(*SummaryButton, step.Notebook() != PageKind::Summary);
        SetNormalLook(*GalleryButton, step.Notebook() != PageKind::Gallery);
        SetNormalLook(*PicturePageButton, step.Notebook() != PageKind::Picture);
    }
}

}  // namespace palimora
