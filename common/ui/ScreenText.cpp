#include "common/ui/ScreenText.h"

#include "common/Cp1252.h"

namespace palimora {

QString ToScreen(const std::string& cp1252) {
    return QString::fromStdString(Utf8FromCp1252(cp1252));
}

std::string FromScreen(const QString& text) {
    return Cp1252FromUtf8(text.toStdString());
}

}  // namespace palimora
