#pragma once

#include "common/UserDialogs.h"

#include <QDialog>
#include <QRect>
#include <QString>

class QLabel;
class QProgressBar;
class QPushButton;

namespace palimora {

// What the build window and the transfer window share: a status line, a
// progress bar, a button that leads to the result once the work succeeded
// (enabled only then) and Cancel, which during the work only asks it to
// stop. The work starts once, when the window is first shown.
class ProgressWindow : public QDialog, public virtual WorkProgress {
    Q_OBJECT
public:
    struct Layout {
        QSize size;
        QRect status, bar, result, cancel;
    };
    struct Texts {
        QString title, status, result, cancel;
    };

    ProgressWindow(const Layout& layout, const Texts& texts, QWidget* parent);

    QWidget* Frame = nullptr;
    QLabel* StatusLabel = nullptr;
    QProgressBar* Bar = nullptr;
    QPushButton* ResultButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void SetMaximum(int maximum) override;
    void Step() override;
    void SetStatus(const std::string& cp1252Text) override;
    bool CancelRequested() override;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    // The work itself; Cancel is only a request while it runs.
    virtual void RunWork() = 0;
    // Cancel pressed once the work has ended: the window closes.
    virtual void CloseAfterWork() { done(kModalCancel); }
    // After work that succeeded: the bar full and the result button ready.
    void ShowSucceeded();

private:
    void StartWork();

    bool started_ = false;
    bool running_ = false;
    bool cancelled_ = false;
};

}  // namespace palimora
