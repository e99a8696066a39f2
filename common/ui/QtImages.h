#pragma once

#include "imaging/Image.h"

#include <QImage>
#include <QString>

#include <string>

namespace palimora {

// A decoded picture as a QImage (a deep copy).
QImage ToQImage(const Image& image);

// A file filter of the language texts ("Pictures (*.jpg)|*.jpg;*.jpeg|...")
// in Qt's form ("Pictures (*.jpg *.jpeg);;...").
QString QtFileFilter(const std::string& cp1252Filter);

}  // namespace palimora
