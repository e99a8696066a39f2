#include "common/ui/DesignedPalette.h"

#include <QApplication>
#include <QFont>

namespace palimora {
namespace {

// The panels' text as designed: 9 points on a 96-dpi screen.
constexpr int kDesignedFontPixels = 12;

}  // namespace

QPalette DesignedPalette() {
    // Light grey windows and buttons with black text, white fields: every
    // other colour is worked out from the buttons' by the toolkit.
    return QPalette(QColor(239, 239, 239));
}

void UseDesignedPalette() {
    QApplication::setPalette(DesignedPalette());
    QFont font = QApplication::font();
    font.setPixelSize(kDesignedFontPixels);
    QApplication::setFont(font);
}

}  // namespace palimora
