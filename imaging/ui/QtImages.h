#pragma once

#include "imaging/Image.h"

#include <QImage>

namespace palimora {

// A decoded picture as a QImage (a deep copy).
QImage ToQImage(const Image& image);

}  // namespace palimora
