#pragma once

#include <QPixmap>

#include <filesystem>

namespace palimora {

// A picture of the program folder for a screen of the given pixel ratio:
// its twice-as-large drawing ("name@2x.jpg" beside "name.jpg") on a screen
// that scales, so that it stays sharp there; else the picture itself.
QPixmap SharpPixmap(const std::filesystem::path& file, qreal screenRatio);

}  // namespace palimora
