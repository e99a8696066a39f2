#pragma once

#include "sitegen/ProjectBuild.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace palimora {

class Language;
class UserDialogs;

// TFCreaHTML, the build window: builds the site when it is shown. OK (enabled once the site
// is built) closes with Yes; Cancel stops the run at its next check.
class TFCreaHTML : public QDialog, public BuildProgress {
    Q_OBJECT
public:
    // `language` gives the window's texts; the build loads its own.
    TFCreaHTML(BuildRequest request, const Language& language, UserDialogs& dialogs, QWidget* parent);

    QWidget* Frame = nullptr;
    QLabel* StatusLabel = nullptr;
    QProgressBar* Bar = nullptr;
    QPushButton* ViewSiteButton = nullptr;
    QPushButton* CancelButton = nullptr;

    BuildOutcome Outcome() const { return outcome_; }

    void SetMaximum(int maximum) override;
    void Step() override;
    void SetStatus(const std::string& cp1252Text) override;
    bool CancelRequested() override;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Run();

    BuildRequest request_;
    const Language& language_;
    UserDialogs& dialogs_;
    bool started_ = false;
    bool running_ = false;
    bool cancelled_ = false;
    BuildOutcome outcome_ = BuildOutcome::Failed;
};

}  // namespace palimora
