#include "app/Step.h"

namespace palimora {
namespace {

constexpr int kStepOneLabel = 103, kSummaryLabel = 104, kGalleryLabel = 105, kPictureLabel = 106;

}  // namespace

int Step::LabelText() const {
    if (IsPictureList()) return kStepOneLabel;
    switch (notebook_) {
        case PageKind::Summary: return kSummaryLabel;
        case PageKind::Gallery: return kGalleryLabel;
        case PageKind::Picture: return kPictureLabel;
    }
    return kSummaryLabel;
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
