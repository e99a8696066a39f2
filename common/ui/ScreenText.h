#pragma once

#include <QString>

#include <functional>
#include <string>

namespace palimora {

// Windows-1252 text of the core on the screen, and back.
QString ToScreen(const std::string& cp1252);
// Characters beyond Windows-1252 become references (common/Cp1252.h).
// Throws PalimoraError for a control character Windows-1252 has no byte for.
std::string FromScreen(const QString& text);
// The text as it is kept, a character that cannot be kept as '?'.
std::string StoredForm(const QString& text);
// The text less its last characters until `fits` takes its stored form.
QString CutUntilStored(QString text, const std::function<bool(const std::string&)>& fits);

// A file filter of the language texts ("Pictures (*.jpg)|*.jpg;*.jpeg|...")
// in Qt's form ("Pictures (*.jpg *.jpeg);;...").
QString QtFileFilter(const std::string& cp1252Filter);

}  // namespace palimora
