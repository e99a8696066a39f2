#include "app/ui/Toolbar.h"

#include "app/Step.h"
#include "app/ui/PictureButton.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "lang/TextId.h"

namespace palimora {
namespace {

enum class ShownIn { Always, PictureList, PageDesign };

struct ButtonLayout {
    PictureButton* Toolbar::*member;
    const char* picture;
    TextId hint;
    QPoint position;
    ShownIn shownIn;
};

// The toolbar as designed: picture, hint text, position and the step it
// belongs to.
constexpr ButtonLayout kButtons[] = {
    {&Toolbar::BoutNou, "boutnou", TextId::NewProjectHint, {65, 480}, ShownIn::Always},
    {&Toolbar::BoutOuv, "boutouv", TextId::OpenProjectHint, {130, 471}, ShownIn::Always},
    {&Toolbar::BoutEnr, "boutenr", TextId::SaveHint, {198, 480}, ShownIn::Always},
    {&Toolbar::BoutImg2, "boutdep", TextId::PicturesStepHint, {275, 460}, ShownIn::Always},
    {&Toolbar::BoutVid, "boutvid", TextId::DesignPages, {444, 460}, ShownIn::Always},
    {&Toolbar::BoutImg, "boutplu", TextId::AddPicturesHint, {338, 493}, ShownIn::PictureList},
    {&Toolbar::BoutMon, "bouthau", TextId::MoveUpHint, {379, 480}, ShownIn::PictureList},
    {&Toolbar::BoutDes, "boutbas", TextId::MoveDownHint, {378, 514}, ShownIn::PictureList},
    {&Toolbar::BoutSup, "boutmoi", TextId::DeleteTickedHint, {420, 504}, ShownIn::PictureList},
    {&Toolbar::BoutS, "boutsom", TextId::SummaryDesignHint, {320, 509}, ShownIn::PageDesign},
    {&Toolbar::BoutG, "boutgal", TextId::GalleryDesignHint, {374, 514}, ShownIn::PageDesign},
    {&Toolbar::BoutI, "bouthti", TextId::PictureDesignHint, {432, 509}, ShownIn::PageDesign},
    {&Toolbar::BoutLoupe, "boutlou", TextId::RefreshPreviewHint, {365, 458}, ShownIn::PageDesign},
    {&Toolbar::BoutPro, "boutvoi", TextId::SeeResult, {534, 480}, ShownIn::Always},
    {&Toolbar::BoutDif, "boutweb", TextId::PublishHint, {600, 471}, ShownIn::Always},
    {&Toolbar::BoutQui, "boutqui", TextId::QuitHint, {662, 480}, ShownIn::Always},
    {&Toolbar::BoutAid, "boutaid", TextId::HelpHint, {137, 514}, ShownIn::Always},
};

}  // namespace

Toolbar::Toolbar(const ProgramFolder& folder, QWidget* window) {
    for (const auto& layout : kButtons) {
        // The step buttons start from tag 0 so that the start-up toggles leave
        // step 1 pressed; every other button starts from 1 and shows its normal look.
        const bool stepButton = layout.member == &Toolbar::BoutImg2 || layout.member == &Toolbar::BoutVid;
        auto* button = new PictureButton(folder, layout.picture, layout.position, stepButton ? 0 : 1, window);
        button->setVisible(layout.shownIn != ShownIn::PageDesign);
        this->*layout.member = button;
    }
}

void Toolbar::GiveStartLooks() {
    // As the window's creation toggles them: BoutVid twice, so it ends normal.
    for (PictureButton* button : {BoutOuv, BoutNou, BoutEnr, BoutVid, BoutImg2, BoutVid, BoutS, BoutG, BoutI, BoutImg,
                                  BoutSup, BoutMon, BoutDes, BoutDif, BoutPro, BoutQui, BoutLoupe, BoutAid}) {
        AppuieBouton(*button);
    }
}

void Toolbar::ApplyLanguage(const Language& language) {
    for (const auto& layout : kButtons) {
        (this->*layout.member)->setToolTip(ToScreen(language.LangText(layout.hint)));
    }
}

void Toolbar::ShowStep(const Step& step) {
    for (const auto& layout : kButtons) {
        if (layout.shownIn == ShownIn::Always) continue;
        (this->*layout.member)->setVisible((layout.shownIn == ShownIn::PageDesign) == step.IsPageDesign());
    }
    AppuieBouton2(*BoutImg2, step.IsPageDesign());
    AppuieBouton2(*BoutVid, step.IsPictureList());
    if (step.IsPageDesign()) {
        AppuieBouton2(*BoutS, step.Notebook() != PageKind::Summary);
        AppuieBouton2(*BoutG, step.Notebook() != PageKind::Gallery);
        AppuieBouton2(*BoutI, step.Notebook() != PageKind::Picture);
    }
}

}  // namespace palimora
