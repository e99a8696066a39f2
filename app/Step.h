#pragma once

#include "app/HelpPages.h"
#include "lang/TextId.h"
#include "styles/PageKind.h"

namespace palimora {

// Which step the main window is in: the picture list (step 1) or page
// design (step 2), and in page design which notebook is shown. The step
// label, help and the toolbar read it instead of looking at widgets.
class Step {
public:
    bool IsPictureList() const { return !pageDesign_; }
    bool IsPageDesign() const { return pageDesign_; }
    PageKind Notebook() const { return notebook_; }

    void EnterPictureList() { pageDesign_ = false; }
    // Page design opens on the summary notebook.
    void EnterPageDesign() {
        pageDesign_ = true;
        notebook_ = PageKind::Summary;
    }
    void ShowNotebook(PageKind kind) { notebook_ = kind; }

    // The step label's text.
    TextId LabelText() const;
    // What is shown, for the help page.
    ShownPanel HelpPanel() const;

private:
    bool pageDesign_ = false;
    PageKind notebook_ = PageKind::Summary;
};

}  // namespace palimora
