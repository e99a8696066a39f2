#pragma once

#include <QColor>
#include <QWidget>

namespace palimora {

inline const QColor kWindowColour(245, 158, 73);
inline const QColor kLabelColour(129, 121, 221);

// Fills a widget's background with a plain colour.
inline void PaintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Sets the colour a label or button draws its text in.
inline void PaintText(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

}  // namespace palimora
