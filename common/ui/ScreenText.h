#pragma once

#include <QString>

#include <string>

namespace palimora {

// Windows-1252 text of the core on the screen, and back.
QString ToScreen(const std::string& cp1252);
// Throws PalimoraError when a character has no Windows-1252 byte.
std::string FromScreen(const QString& text);

// A file filter of the language texts ("Pictures (*.jpg)|*.jpg;*.jpeg|...")
// in Qt's form ("Pictures (*.jpg *.jpeg);;...").
QString QtFileFilter(const std::string& cp1252Filter);

}  // namespace palimora
