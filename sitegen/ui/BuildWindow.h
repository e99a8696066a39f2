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

    // Closes with Yes as soon as the site is built, for a command that goes on with it.
    void CloseOnceBuilt() { closeOnceBuilt_ = true; }

    BuildOutcome Outcome() const { return outcome_; }

private:
    void RunWork() override;
    void CloseAfterWork() override;

    BuildRequest request_;
    const Language& language_;
    UserDialogs& dialogs_;
    BuildOutcome outcome_ = BuildOutcome::Failed;
    bool closeOnceBuilt_ = false;
};

}  // namespace palimora
