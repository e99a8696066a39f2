#pragma once

#include <QString>

#include <string>

namespace palimora {

// Windows-1252 text of the core on the screen, and back.
QString ToScreen(const std::string& cp1252);
// Throws PalimoraError when a character has no Windows-1252 byte.
std::string FromScreen(const QString& text);

}  // namespace palimora
