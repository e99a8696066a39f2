#include "common/ui/QtImages.h"

#include "common/ui/ScreenText.h"

#include <QStringList>

namespace palimora {

QImage ToQImage(const Image& image) {
    if (image.Empty()) return QImage();
    return QImage(image.rgb.data(), image.width, image.height, image.width * 3, QImage::Format_RGB888).copy();
}

QString QtFileFilter(const std::string& cp1252Filter) {
    const QStringList parts = ToScreen(cp1252Filter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const int bracket = description.indexOf(QLatin1Char('('));
        if (bracket > 0) description = description.left(bracket).trimmed();
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace palimora
