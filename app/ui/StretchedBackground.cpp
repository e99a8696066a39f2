#include "app/ui/StretchedBackground.h"

#include <QPainter>

namespace palimora {

namespace {

// The designed background's parts: the left panel ends before kLeftEnd; the
// column at kColumn (between the top band and the logo, inside the right
// panel and the toolbar's band) and the row at kRow (inside both panels)
// are the ones stretched; the toolbar's band starts at kBandTop.
constexpr int kLeftEnd = 400, kColumn = 550, kRow = 300, kBandTop = 440;

}  // namespace

QPoint ToolbarOffset(QSize extra) { return {extra.width() / 2, extra.height()}; }

QPixmap StretchedBackground(const QPixmap& designed, QSize extra) {
    if (designed.isNull() || extra == QSize(0, 0)) return designed;
    const qreal ratio = designed.devicePixelRatio();
    const QSize base = designed.deviceIndependentSize().toSize();
    const int dx = extra.width(), dy = extra.height();
    QPixmap stretched(QSize(base.width() + dx, base.height() + dy) * ratio);
    stretched.setDevicePixelRatio(ratio);

    QPainter painter(&stretched);
    const auto piece = [&](QRect source, QRect target) {
        painter.drawPixmap(
            QRectF(target), designed,
            QRectF(source.x() * ratio, source.y() * ratio, source.width() * ratio, source.height() * ratio));
    };
    // The left panel, its row at kRow stretched as the right one's is.
    piece(QRect(0, 0, kLeftEnd, kRow), QRect(0, 0, kLeftEnd, kRow));
    piece(QRect(0, kRow, kLeftEnd, 1), QRect(0, kRow, kLeftEnd, 1 + dy));
    piece(QRect(0, kRow + 1, kLeftEnd, kBandTop - kRow - 1), QRect(0, kRow + 1 + dy, kLeftEnd, kBandTop - kRow - 1));
    // The right part, three columns by three rows, the middle ones stretched.
    const int columnSource[] = {kLeftEnd, kColumn, kColumn + 1, base.width()};
    const int columnTarget[] = {kLeftEnd, kColumn, kColumn + 1 + dx, base.width() + dx};
    const int rowSource[] = {0, kRow, kRow + 1, kBandTop};
    const int rowTarget[] = {0, kRow, kRow + 1 + dy, kBandTop + dy};
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 3; ++row) {
            piece(QRect(QPoint(columnSource[column], rowSource[row]),
                        QPoint(columnSource[column + 1] - 1, rowSource[row + 1] - 1)),
                  QRect(QPoint(columnTarget[column], rowTarget[row]),
                        QPoint(columnTarget[column + 1] - 1, rowTarget[row + 1] - 1)));
        }
    }
    // Beside the band, its own edges.
    const QRect band(0, kBandTop, base.width(), base.height() - kBandTop);
    const QRect movedBand = band.translated(ToolbarOffset(extra));
    piece(QRect(band.topLeft(), QSize(1, band.height())), QRect(0, movedBand.top(), movedBand.left(), band.height()));
    piece(QRect(band.topRight(), QSize(1, band.height())),
          QRect(movedBand.right() + 1, movedBand.top(), base.width() + dx - movedBand.right() - 1, band.height()));
    piece(band, movedBand);
    return stretched;
}

}  // namespace palimora
