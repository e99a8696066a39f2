#include "common/ui/ScreenText.h"

#include "common/Cp1252.h"

#include <QStringList>

namespace palimora {

QString ToScreen(const std::string& cp1252) { return QString::fromStdString(Utf8FromCp1252(cp1252).Bytes()); }

std::string FromScreen(const QString& text) { return Cp1252FromUtf8(Utf8Text(text.toStdString())); }

std::string StoredForm(const QString& text) { return Cp1252ForDisplay(Utf8Text(text.toStdString())); }

QString CutUntilStored(QString text, const std::function<bool(const std::string&)>& fits) {
    while (!text.isEmpty() && !fits(StoredForm(text))) {
        // A character outside the basic plane is two UTF-16 units: both go.
        text.chop(text.size() >= 2 && text.back().isLowSurrogate() ? 2 : 1);
    }
    return text;
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
