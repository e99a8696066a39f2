#pragma once

#include "common/UserDialogs.h"

#include <QDialog>

class QProgressBar;
class QPushButton;

namespace palimora {

class Language;

// TForm2, the wait window: shown without blocking while pictures are loaded
// into the list. The caller drives it: Begin, then per picture
// CancelRequested (which keeps the window alive) and SetPosition, then Finish.
class WaitWindow : public QDialog, public KeepAlive {
    Q_OBJECT
public:
    explicit WaitWindow(const Language& language, QWidget* parent = nullptr);

    QProgressBar* Bar = nullptr;
    QPushButton* CancelButton = nullptr;

    void Begin(int pictureCount);
    void SetPosition(int position);
    bool Cancelled() const { return loadingCancelled_; }
    bool CancelRequested() override;
    void Finish();

private:
    const Language& language_;
    bool loadingCancelled_ = false;
};

}  // namespace palimora
