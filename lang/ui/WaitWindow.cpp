#include "lang/ui/WaitWindow.h"

#include "common/ui/Colours.h"
#include "common/ui/DesignedNames.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "lang/TextId.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>

namespace palimora {

WaitWindow::WaitWindow(const Language& language, QWidget* parent) : QDialog(parent), language_(language) {
    setObjectName(QStringLiteral("TForm2"));  // its designed name
    resize(302, 127);
    PaintBackground(this, kLabelColour);

    Bar = new QProgressBar(this);
    Bar->setGeometry(0, 24, 294, 25);
    Bar->setRange(0, 100);
    Bar->setTextVisible(false);
    Bar->setStyleSheet(
        QStringLiteral("QProgressBar { background: rgb(245,158,73); border: 1px solid rgb(90,80,160); }"
                       "QProgressBar::chunk { background: rgb(40,40,140); }"));
    Bar->hide();

    CancelButton = new QPushButton(this);
    GiveDesignedNames({{Bar, "ProgressBar1"}, {CancelButton, "BitBtn3"}});
    CancelButton->setGeometry(104, 62, 75, 25);
    CancelButton->setFont(QFont(QStringLiteral("Arial")));
    connect(CancelButton, &QPushButton::clicked, this, [this] { loadingCancelled_ = true; });
}

bool WaitWindow::CancelRequested() {
    QApplication::processEvents();
    return loadingCancelled_;
}

void WaitWindow::Begin(int pictureCount) {
    setWindowTitle(ToScreen(language_.LangText(TextId::WaitTitle)));
    CancelButton->setText(ToScreen(language_.LangText(TextId::Cancel)));
    loadingCancelled_ = false;
    show();
    Bar->show();
    Bar->setValue(0);
    Bar->setMaximum(pictureCount);
}

void WaitWindow::SetPosition(int position) { Bar->setValue(position); }

void WaitWindow::Finish() {
    close();
    Bar->hide();
}

}  // namespace palimora
