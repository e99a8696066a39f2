#include "app/Step.h"

namespace palimora {

TextId Step::LabelText() const {
    if (IsPictureList()) return TextId::StepOne;
    switch (notebook_) {
        case PageKind::Summary: return TextId::StepTwoSummary;
        case PageKind::Gallery: return TextId::StepTwoGalleries;
        case PageKind::Picture: return TextId::StepTwoPictures;
    }
    return TextId::StepTwoSummary;
}

ShownPanel Step::HelpPanel() const {
    if (IsPictureList()) return ShownPanel::PictureList;
    switch (notebook_) {
        case PageKind::Summary: return ShownPanel::SummaryStyles;
        case PageKind::Gallery: return ShownPanel::GalleryStyles;
        case PageKind::Picture: return ShownPanel::PictureStyles;
    }
    return ShownPanel::Nothing;
}

}  // namespace palimora
