#include "common/ui/DesignedPalette.h"

#include <QApplication>

namespace palimora {

QPalette DesignedPalette() {
    // Light grey windows and buttons with black text, white fields: every
    // other colour is worked out from the buttons' by the toolkit.
    return QPalette(QColor(239, 239, 239));
}

void UseDesignedPalette() { QApplication::setPalette(DesignedPalette()); }

}  // namespace palimora
