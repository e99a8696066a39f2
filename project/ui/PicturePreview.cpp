#include "project/ui/PicturePreview.h"

#include "common/ui/ScreenText.h"
#include "imaging/Fitting.h"
#include "imaging/GifCodec.h"
#include "imaging/ImageError.h"
#include "imaging/PictureReader.h"
#include "imaging/Resize.h"
#include "imaging/ui/QtImages.h"
#include "lang/Language.h"
#include "lang/TextId.h"

#include <QImageReader>
#include <QLabel>
#include <QVBoxLayout>

#include <optional>

namespace palimora {
namespace fs = std::filesystem;

namespace {

struct Previewed {
    QImage image;  // fitted into the pane
    int naturalWidth = 0;
    int naturalHeight = 0;
};

QImage Fitted(const Image& image, int naturalWidth, int naturalHeight) {
    const Placement fit =
        FitInPanel(naturalWidth, naturalHeight, PicturePreview::kPaneWidth, PicturePreview::kPaneHeight);
    return ToQImage(Resize(image, std::max(1, fit.width), std::max(1, fit.height)));
}

// Pictures of the formats the program decodes itself; the screen's own
// loader for the rest (icons). Nothing for a file that cannot be read.
std::optional<Previewed> ReadForPreview(const fs::path& file) {
    try {
        if (FormatOf(file) == PictureFormat::Gif) {  // the first frame, as the picture list shows it
            const GifPicture gif = DecodeGif(file);
            return Previewed{Fitted(gif.image, gif.width, gif.height), gif.width, gif.height};
        }
        const ReadPicture read = ReadPictureFile(file, PicturePreview::kPaneWidth, PicturePreview::kPaneHeight);
        return Previewed{Fitted(read.image, read.naturalWidth, read.naturalHeight), read.naturalWidth,
                         read.naturalHeight};
    } catch (const ImageError& error) {
        if (error.ErrorKind() != ImageError::Kind::Unsupported || FormatOf(file) == PictureFormat::Metafile)
            return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;  // browsing shows no message; adding the file will tell
    }
    QImageReader reader(QString::fromStdString(file.string()));
    const QSize natural = reader.size();
    if (!natural.isValid()) return std::nullopt;
    const Placement fit =
        FitInPanel(natural.width(), natural.height(), PicturePreview::kPaneWidth, PicturePreview::kPaneHeight);
    reader.setScaledSize(QSize(std::max(1, fit.width), std::max(1, fit.height)));
    const QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    return Previewed{image, natural.width(), natural.height()};
}

}  // namespace

PicturePreview::PicturePreview(const Language& language, QWidget* parent) : QWidget(parent), language_(language) {
    Picture = new QLabel(this);
    Picture->setFixedSize(kPaneWidth, kPaneHeight);
    Picture->setAlignment(Qt::AlignCenter);
    Picture->setFrameShape(QFrame::StyledPanel);
    SizeLabel = new QLabel(this);
    SizeLabel->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Picture);
    layout->addWidget(SizeLabel);
    layout->addStretch();
}

void PicturePreview::Clear() {
    Picture->clear();
    SizeLabel->clear();
}

void PicturePreview::Show(const fs::path& file) {
    std::error_code error;
    const std::optional<Previewed> previewed = fs::is_regular_file(file, error) ? ReadForPreview(file) : std::nullopt;
    if (!previewed) {
        Clear();
        return;
    }
    Picture->setPixmap(QPixmap::fromImage(previewed->image));
    SizeLabel->setText(QStringLiteral("%1 x %2 ").arg(previewed->naturalWidth).arg(previewed->naturalHeight) +
                       ToScreen(language_.LangText(TextId::PreviewPixels)));
}

}  // namespace palimora
