#include "lang/ui/IntroWindow.h"

#include "common/ui/Colours.h"
#include "common/ui/DesignedNames.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMovie>

namespace palimora {

IntroWindow::IntroWindow(const std::filesystem::path& logoGif, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tformintro"));  // its designed name
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(543, 280);
    PaintBackground(this, Qt::white);

    Frame = new QWidget(this);
    Frame->setGeometry(rect());
    PaintBackground(Frame, kWindowColour);

    Animation = new QLabel(Frame);
    Animation->move(0, 0);
    GiveDesignedNames({{Frame, "Panel1"}, {Animation, "GIFImage1"}});
    movie_ = new QMovie(QString::fromStdString(logoGif.string()), QByteArray(), this);
    if (movie_->isValid()) {
        Animation->setMovie(movie_);
        connect(movie_, &QMovie::frameChanged, this, &IntroWindow::FrameShown);
        connect(movie_, &QMovie::finished, this, &QDialog::accept);
        movie_->start();
        Animation->resize(movie_->currentPixmap().size());
    }
    // A missing logo leaves the window to a click or Escape.
}

void IntroWindow::FrameShown(int frame) {
    if (frame != 0) {
        leftFirstFrame_ = true;
    } else if (leftFirstFrame_) {
        movie_->stop();
        accept();
    }
}

void IntroWindow::mousePressEvent(QMouseEvent*) { accept(); }

void IntroWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) accept();
}

}  // namespace palimora
