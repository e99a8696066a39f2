// The background patterns of motifs/: small tiles that repeat without a seam,
// soft enough to sit behind photos and text.

#include "Patterns.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

namespace {

constexpr int kTile = 96;

QImage Tile(QColor base) {
    QImage tile(kTile, kTile, QImage::Format_RGB32);
    tile.fill(base);
    return tile;
}

// Fine grain: each pixel a little lighter or darker, the same at every run.
QImage Paper(QColor base, int spread) {
    QImage tile = Tile(base);
    QRandomGenerator random(7);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const int shift = random.bounded(-spread, spread + 1);
            tile.setPixelColor(x, y,
                               QColor(qBound(0, base.red() + shift, 255), qBound(0, base.green() + shift, 255),
                                      qBound(0, base.blue() + shift, 255)));
        }
    }
    return tile;
}

QImage Linen() {
    QImage tile = Paper(QColor(238, 232, 220), 4);
    QPainter p(&tile);
    p.setPen(QColor(222, 214, 200));
    for (int i = 0; i < kTile; i += 3) {
        p.drawLine(0, i, kTile, i);
        p.drawLine(i, 0, i, kTile);
    }
    return tile;
}

QImage Dots(QColor base, QColor dot) {
    QImage tile = Tile(base);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(dot);
    for (int y = 0; y < kTile; y += 24) {
        for (int x = 0; x < kTile; x += 24) {
            const int offset = (y / 24) % 2 ? 12 : 0;
            p.drawEllipse(QPointF(x + offset + 6, y + 6), 2.5, 2.5);
        }
    }
    return tile;
}

QImage Stripes(QColor base, QColor stripe) {
    QImage tile = Tile(base);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(stripe, 8));
    // Diagonals every 32 pixels, drawn past the edges so the tile joins its neighbours.
    for (int x = -kTile; x <= 2 * kTile; x += 32) p.drawLine(x, 0, x + kTile, kTile);
    return tile;
}

QImage Night() {
    QImage tile = Paper(QColor(28, 32, 48), 3);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QRandomGenerator random(11);
    for (int i = 0; i < 14; ++i) {
        p.setBrush(QColor(230, 230, 255, random.bounded(90, 200)));
        p.drawEllipse(QPointF(random.bounded(4, kTile - 4), random.bounded(4, kTile - 4)), 0.9, 0.9);
    }
    return tile;
}

}  // namespace

bool WritePatterns(const QDir& folder) {
    folder.mkpath(QStringLiteral("."));
    const std::pair<const char*, QImage> patterns[] = {
        {"papier.jpg", Paper(QColor(246, 242, 232), 5)},
        {"lin.jpg", Linen()},
        {"pois.jpg", Dots(QColor(250, 247, 240), QColor(214, 206, 190))},
        {"rayures.jpg", Stripes(QColor(244, 240, 232), QColor(236, 230, 218))},
        {"ardoise.jpg", Paper(QColor(62, 66, 72), 4)},
        {"nuit.jpg", Night()},
    };
    bool ok = true;
    for (const auto& [name, tile] : patterns) ok &= tile.save(folder.filePath(QString::fromLatin1(name)), "JPG", 92);
    return ok;
}
