#include "sitegen/ui/BuildWindow.h"

#include "common/UserDialogs.h"
#include "common/ui/Colours.h"
#include "common/ui/DesignedNames.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "lang/ui/CommandGuard.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace palimora {
TFCreaHTML::TFCreaHTML(BuildRequest request, const Language& language, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), request_(std::move(request)), language_(language), dialogs_(dialogs) {
    setWindowTitle(ToScreen(language.LangText(TextId::BuildTitle)));
    setFixedSize(536, 116);
    Frame = new QWidget(this);
    Frame->setGeometry(rect());
    PaintBackground(Frame, kWindowColour);
    StatusLabel = new QLabel(ToScreen(language.LangText(TextId::PleaseWait)), Frame);
    StatusLabel->setGeometry(24, 12, 489, 20);
    Bar = new QProgressBar(Frame);
    Bar->setGeometry(24, 38, 489, 18);
    Bar->setTextVisible(false);
    ViewSiteButton = new QPushButton(ToScreen(language.LangText(TextId::ViewSite)), Frame);
    ViewSiteButton->setGeometry(160, 74, 105, 25);
    ViewSiteButton->setEnabled(false);
    CancelButton = new QPushButton(ToScreen(language.LangText(TextId::Cancel)), Frame);
    CancelButton->setGeometry(280, 74, 105, 25);
    GiveDesignedNames({{Frame, "Panel1"}, {StatusLabel, "Label1"}, {Bar, "ProgressBar1"},
                       {ViewSiteButton, "BitBtn1"}, {CancelButton, "BitBtn2"}});
    connect(ViewSiteButton, &QPushButton::clicked, this, [this] { done(kModalYes); });
    connect(CancelButton, &QPushButton::clicked, this, &TFCreaHTML::reject);
}

void TFCreaHTML::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!started_) {
        started_ = true;
        QTimer::singleShot(0, this, &TFCreaHTML::Run);
    }
}

void TFCreaHTML::Run() {
    running_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CommandGuard(dialogs_, language_).Run([this] { outcome_ = BuildProject(request_, dialogs_, *this); });
    QApplication::restoreOverrideCursor();
    running_ = false;
    if (outcome_ == BuildOutcome::Built) {
        Bar->setValue(Bar->maximum());
        ViewSiteButton->setEnabled(true);
        ViewSiteButton->setDefault(true);
        ViewSiteButton->setFocus();
    } else if (outcome_ == BuildOutcome::Cancelled) {
        done(kModalCancel);
    }
}

void TFCreaHTML::SetMaximum(int maximum) {
    Bar->setRange(0, maximum);
    Bar->setValue(0);
}

void TFCreaHTML::Step() { Bar->setValue(std::min(Bar->value() + 1, Bar->maximum())); }

void TFCreaHTML::SetStatus(const std::string& cp1252Text) {
    StatusLabel->setText(ToScreen(cp1252Text));
    StatusLabel->repaint();
}

bool TFCreaHTML::CancelRequested() {
    QApplication::processEvents();
    return cancelled_;
}

void TFCreaHTML::reject() {
    // While the run goes on, Cancel only asks it to stop; it closes the window itself.
    if (running_) {
        cancelled_ = true;
        return;
    }
    // After a run that ended with an error the working templates are still
    // there: Cancel removes them as a cancelled run does.
    request_.folder.DeleteSamplePages();
    done(kModalCancel);
}

}  // namespace palimora
