#pragma once

#include <QColor>
#include <QString>
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

// The look of the program's notebooks: tabs and pages in the window's colour.
inline QString NotebookStyleSheet() {
    return QStringLiteral(
        "QTabWidget::pane { background: rgb(245,158,73); border: 1px solid rgb(200,120,50); }"
        "QTabBar::tab { background: rgb(250,196,130); padding: 4px 14px; border: 1px solid rgb(200,120,50);"
        " border-bottom: none; border-top-left-radius: 4px; border-top-right-radius: 4px; }"
        "QTabBar::tab:selected { background: rgb(245,158,73); font-weight: bold; }");
}

}  // namespace palimora
