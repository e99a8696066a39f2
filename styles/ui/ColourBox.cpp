#include "styles/ui/ColourBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace palimora {

ColourBox::ColourBox(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSize, kSize);
    setCursor(Qt::PointingHandCursor);
    SetColour(colour_);
}

int ColourBox::Rgb() const { return colour_.red() + 256 * colour_.green() + 65536 * colour_.blue(); }

void ColourBox::SetRgb(int rgb) { SetColour(QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF)); }

void ColourBox::SetColour(const QColor& colour) {
    colour_ = colour;
    setToolTip(colour_.name(QColor::HexRgb).toUpper());
    update();
}

void ColourBox::SetFilled(bool filled) {
    filled_ = filled;
    update();
}

void ColourBox::paintEvent(QPaintEvent*) {
    if (!filled_) return;
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
}

void ColourBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace palimora
