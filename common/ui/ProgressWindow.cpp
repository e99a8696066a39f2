#include "common/ui/ProgressWindow.h"

#include "common/ui/Colours.h"
#include "common/ui/DesignedNames.h"
#include "common/ui/ScreenText.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace palimora {

ProgressWindow::ProgressWindow(const Layout& layout, const Texts& texts, QWidget* parent) : QDialog(parent) {
    setWindowTitle(texts.title);
    setFixedSize(layout.size);
    Frame = new QWidget(this);
    Frame->setGeometry(rect());
    PaintBackground(Frame, kWindowColour);
    StatusLabel = new QLabel(texts.status, Frame);
    StatusLabel->setGeometry(layout.status);
    Bar = new QProgressBar(Frame);
    Bar->setGeometry(layout.bar);
    Bar->setTextVisible(false);
    Bar->setAccessibleName(texts.title);
    ResultButton = new QPushButton(texts.result, Frame);
    ResultButton->setGeometry(layout.result);
    ResultButton->setEnabled(false);
    CancelButton = new QPushButton(texts.cancel, Frame);
    CancelButton->setGeometry(layout.cancel);
    GiveDesignedNames({{Frame, "Panel1"},
                       {StatusLabel, "Label1"},
                       {Bar, "ProgressBar1"},
                       {ResultButton, "BitBtn1"},
                       {CancelButton, "BitBtn2"}});
    connect(CancelButton, &QPushButton::clicked, this, &ProgressWindow::reject);
}

void ProgressWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!started_) {
        started_ = true;
        QTimer::singleShot(0, this, &ProgressWindow::StartWork);
    }
}

void ProgressWindow::StartWork() {
    running_ = true;
    cancelled_ = false;
    RunWork();
    running_ = false;
}

void ProgressWindow::ShowSucceeded() {
    Bar->setValue(Bar->maximum());
    ResultButton->setEnabled(true);
    ResultButton->setDefault(true);
    ResultButton->setFocus();
}

void ProgressWindow::SetMaximum(int maximum) {
    Bar->setRange(0, std::max(maximum, 1));
    Bar->setValue(0);
}

void ProgressWindow::Step() { Bar->setValue(std::min(Bar->value() + 1, Bar->maximum())); }

void ProgressWindow::SetStatus(const std::string& cp1252Text) {
    StatusLabel->setText(ToScreen(cp1252Text));
    StatusLabel->repaint();
}

bool ProgressWindow::CancelRequested() {
    QApplication::processEvents();
    return cancelled_;
}

void ProgressWindow::reject() {
    // While the work goes on, Cancel only asks it to stop; the work then closes the window.
    if (running_) {
        cancelled_ = true;
        return;
    }
    CloseAfterWork();
}

}  // namespace palimora
