#include "styles/ui/StyleDialogs.h"

#include <QColorDialog>
#include <QFileDialog>

namespace palimora {

std::optional<QColor> QtStyleDialogs::ChooseColour(const QColor& initial) {
    // Any colour may be chosen; the custom-colour part is always shown.
    const QColor chosen = QColorDialog::getColor(initial, parent_);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

QString QtStyleDialogs::ChooseFile(const QString& startFolder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, QString(), startFolder, filter);
}

}  // namespace palimora
