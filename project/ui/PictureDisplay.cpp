#include "project/ui/PictureDisplay.h"

#include "common/FileNames.h"
#include "common/UserDialogs.h"
#include "common/ui/BusyCursor.h"
#include "common/ui/ClickableLabel.h"
#include "common/ui/Colours.h"
#include "common/ui/DesignedNames.h"
#include "imaging/Fitting.h"
#include "imaging/GifCodec.h"
#include "imaging/ImageError.h"
#include "imaging/PictureReader.h"
#include "imaging/Resize.h"
#include "imaging/ui/QtImages.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "project/PictureMessages.h"

#include <QImageReader>
#include <QMovie>

namespace palimora {
namespace {

QString Native(const std::filesystem::path& file) { return QString::fromStdString(file.string()); }

}  // namespace

PictureDisplay::PictureDisplay(UserDialogs& dialogs, const Language& language, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), language_(language) {
    PaintBackground(this, kWindowColour);
    StillView = new ClickableLabel(this);
    MovieView = new ClickableLabel(this);
    GiveDesignedNames({{StillView, "Image1"}, {MovieView, "GIFImage1"}});
    for (ClickableLabel* control : {StillView, MovieView}) {
        control->setCursor(Qt::PointingHandCursor);
        control->setScaledContents(true);
        connect(control, &ClickableLabel::clicked, this, &PictureDisplay::pictureClicked);
    }
    MovieView->hide();
    movie_ = new QMovie(this);
    // The animation plays once and stays on its last frame.
    connect(movie_, &QMovie::frameChanged, this, [this](int frame) {
        if (movie_->frameCount() > 1 && frame == movie_->frameCount() - 1) movie_->setPaused(true);
    });
}

void PictureDisplay::Clear() {
    movie_->stop();
    StillView->clear();
    MovieView->clear();
}

bool PictureDisplay::ReportMissing(const std::filesystem::path& file) {
    std::error_code error;
    if (std::filesystem::exists(file, error)) return false;
    for (const std::string& message : MissingPictureMessages(language_, file)) dialogs_.ShowMessageOk(message);
    return true;
}

void PictureDisplay::Place(QWidget* control) {
    const Placement fit = FitInPanel(PictureWidth, PictureHeight, width(), height());
    control->setGeometry(fit.left, fit.top, fit.width, fit.height);
    (control == StillView ? static_cast<QWidget*>(MovieView) : StillView)->hide();
    control->show();
}

void PictureDisplay::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (PictureWidth <= 0 || PictureHeight <= 0) return;
    if (StillView->isVisible()) Place(StillView);
    if (MovieView->isVisible()) Place(MovieView);
}

bool PictureDisplay::ShowPictureInPanel(const std::filesystem::path& file) {
    BusyCursor busy;
    repaint();
    movie_->stop();
    StillView->clear();
    if (ReportMissing(file)) return false;
    PictureFrames = 1;
    QImage picture;
    try {
        const ReadPicture read = ReadPictureFile(file, width(), height());
        PictureWidth = read.naturalWidth;
        PictureHeight = read.naturalHeight;
        PictureFrames = read.frames;
        const Placement fit = FitInPanel(PictureWidth, PictureHeight, width(), height());
        picture = ToQImage(Resize(read.image, std::max(1, fit.width), std::max(1, fit.height)));
    } catch (const ImageError& error) {
        if (error.ErrorKind() != ImageError::Kind::Unsupported || FormatOf(file) == PictureFormat::Metafile) {
            dialogs_.ShowMessageOk(UnreadablePictureMessage(language_, error, file));
            return false;
        }
        // Icons and other formats: the screen's own loader.
        QImageReader reader(Native(file));
        picture = reader.read();
        if (picture.isNull()) {
            dialogs_.ShowMessageOk(language_.LangText(TextId::NotAPicture));
            return false;
        }
        PictureWidth = picture.width();
        PictureHeight = picture.height();
    }
    StillView->setPixmap(QPixmap::fromImage(picture));
    Place(StillView);
    return true;
}

bool PictureDisplay::Show(const std::filesystem::path& file) {
    return UpperExtensionOf(file.filename().string()) == ".GIF" ? ShowGifInPanel(file) : ShowPictureInPanel(file);
}

bool PictureDisplay::ShowGifInPanel(const std::filesystem::path& file) {
    BusyCursor busy;
    repaint();
    movie_->stop();
    MovieView->clear();
    if (ReportMissing(file)) return false;
    try {
        const GifPicture first = DecodeGif(file);
        PictureWidth = first.width;
        PictureHeight = first.height;
    } catch (const ImageError& error) {
        dialogs_.ShowMessageOk(UnreadablePictureMessage(language_, error, file));
        return false;
    }
    movie_->setFileName(Native(file));
    const Placement fit = FitInPanel(PictureWidth, PictureHeight, width(), height());
    movie_->setScaledSize(QSize(fit.width, fit.height));
    MovieView->setMovie(movie_);
    movie_->start();
    Place(MovieView);
    return true;
}

}  // namespace palimora
