#include "imaging/ui/QtImages.h"

namespace palimora {

QImage ToQImage(const Image& image) {
    if (image.Empty()) return QImage();
    return QImage(image.rgb.data(), image.width, image.height, image.width * 3, QImage::Format_RGB888).copy();
}

}  // namespace palimora
