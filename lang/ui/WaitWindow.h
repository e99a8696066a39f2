#pragma once

#include <QDialog>

class QProgressBar;
class QPushButton;

namespace palimora {

class Language;

// TForm2: shown without blocking while pictures are loaded into the list.
// The caller drives it: Begin, then per picture keep the window alive, test
// Cancelled() and SetPosition, then Finish.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(const Language& language, QWidget* parent = nullptr);

    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* BitBtn3 = nullptr;

    void Begin(int pictureCount);
    void SetPosition(int position);
    bool Cancelled() const { return loadingCancelled_; }
    void Finish();

private:
    const Language& language_;
    bool loadingCancelled_ = false;
};

}  // namespace palimora
