#pragma once

#include "common/ui/ProgressWindow.h"
#include "sitegen/ProjectBuild.h"

namespace palimora {

class Language;
class UserDialogs;

// TFCreaHTML, the build window: builds the site when it is shown. OK (enabled once the site
// is built) closes with Yes; Cancel stops the run at its next check.
class BuildWindow : public ProgressWindow {
    Q_OBJECT
public:
    // `language` gives the window's texts; the build loads its own.
    BuildWindow(BuildRequest request, const Language& language, UserDialogs& dialogs, QWidget* parent);

    BuildOutcome Outcome() const { return outcome_; }

private:
    void RunWork() override;
    void CloseAfterWork() override;

    BuildRequest request_;
    const Language& language_;
    UserDialogs& dialogs_;
    BuildOutcome outcome_ = BuildOutcome::Failed;
};

}  // namespace palimora
