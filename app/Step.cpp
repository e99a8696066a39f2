#include "app/Step.h"

namespace palimora {
namespace {

// What each notebook of page design shows in the step label and opens as help.
struct NotebookShown {
    PageKind kind;
    TextId label;
    ShownPanel help;
};
constexpr NotebookShown kNotebooks[] = {
    {PageKind::Summary, TextId::StepTwoSummary, ShownPanel::SummaryStyles},
    {PageKind::Gallery, TextId::StepTwoGalleries, ShownPanel::GalleryStyles},
    {PageKind::Picture, TextId::StepTwoPictures, ShownPanel::PictureStyles},
};

const NotebookShown& Shown(PageKind kind) {
    for (const NotebookShown& notebook : kNotebooks) {
        if (notebook.kind == kind) return notebook;
    }
    return kNotebooks[0];
}

}  // namespace

TextId Step::LabelText() const { return IsPictureList() ? TextId::StepOne : Shown(notebook_).label; }

ShownPanel Step::HelpPanel() const { return IsPictureList() ? ShownPanel::PictureList : Shown(notebook_).help; }

}  // namespace palimora
