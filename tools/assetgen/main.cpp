// Draws the program folder's pictures: the main window's background, the two
// looks of every toolbar button and the frames of the intro animation.
// Usage: palimora_assetgen <assets folder> <frames folder>
//        palimora_assetgen --demo <pictures folder>
//        palimora_assetgen --icons <icons folder>: the menu entry's icon, 48, 128, 256 pixels and SVG
//        palimora_assetgen --patterns <motifs folder>: the background patterns
//        palimora_assetgen --sharp <assets folder>: the background and toolbar looks at twice the size
// tools/make_pictures.sh runs it and turns the frames into logo.gif.

#include "Patterns.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

namespace {

const QColor kWindow(245, 158, 73);
const QColor kBand(252, 226, 190);
const QColor kInk(74, 62, 160);
const QColor kPlate(255, 239, 214);

using Glyph = std::function<void(QPainter&, const QRectF&)>;

QPen InkPen(double width) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Arrow(QPainter& p, const QRectF& r, bool up) {
    const double cx = r.center().x(), t = r.top() + r.height() * 0.15, b = r.bottom() - r.height() * 0.15;
    const double w = r.width() * 0.32;
    QPainterPath path;
    if (up) {
        path.moveTo(cx, t);
        path.lineTo(cx + w, t + w);
        path.lineTo(cx + w / 2.5, t + w);
        path.lineTo(cx + w / 2.5, b);
        path.lineTo(cx - w / 2.5, b);
        path.lineTo(cx - w / 2.5, t + w);
        path.lineTo(cx - w, t + w);
    } else {
        path.moveTo(cx, b);
        path.lineTo(cx + w, b - w);
        path.lineTo(cx + w / 2.5, b - w);
        path.lineTo(cx + w / 2.5, t);
        path.lineTo(cx - w / 2.5, t);
        path.lineTo(cx - w / 2.5, b - w);
        path.lineTo(cx - w, b - w);
    }
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(path);
}

void Numeral(QPainter& p, const QRectF& r, const QString& digit) {
    p.setPen(InkPen(2.2));
    p.setBrush(Qt::NoBrush);
    const double d = std::min(r.width(), r.height()) * 0.8;
    p.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(int(d * 0.62));
    p.setFont(font);
    p.drawText(r, Qt::AlignCenter, digit);
}

void Page(QPainter& p, const QRectF& r) {
    const QRectF sheet(r.center().x() - r.height() * 0.3, r.top() + r.height() * 0.12, r.height() * 0.6,
                       r.height() * 0.76);
    p.setPen(InkPen(2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet, 2, 2);
}

void Picture(QPainter& p, const QRectF& frame) {
    p.setPen(InkPen(2));
    p.setBrush(QColor(190, 220, 255));
    p.drawRoundedRect(frame, 2, 2);
    QPainterPath hills;
    hills.moveTo(frame.left() + 1, frame.bottom() - 1);
    hills.lineTo(frame.left() + frame.width() * 0.38, frame.top() + frame.height() * 0.45);
    hills.lineTo(frame.left() + frame.width() * 0.6, frame.top() + frame.height() * 0.7);
    hills.lineTo(frame.left() + frame.width() * 0.75, frame.top() + frame.height() * 0.55);
    hills.lineTo(frame.right() - 1, frame.bottom() - 1);
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 140, 80));
    p.drawPath(hills);
    p.setBrush(QColor(255, 200, 40));
    const double s = frame.height() * 0.22;
    p.drawEllipse(QRectF(frame.right() - s * 1.8, frame.top() + s * 0.5, s, s));
}

const std::map<QString, Glyph>& Glyphs() {
    static const std::map<QString, Glyph> glyphs = {
        {"boutnou",
         [](QPainter& p, const QRectF& r) {
             Page(p, r);
             p.setPen(InkPen(2.6));
             const QPointF c(r.center().x() + r.height() * 0.22, r.top() + r.height() * 0.3);
             p.drawLine(c + QPointF(-6, 0), c + QPointF(6, 0));
             p.drawLine(c + QPointF(0, -6), c + QPointF(0, 6));
         }},
        {"boutouv",
         [](QPainter& p, const QRectF& r) {
             const QRectF f = r.adjusted(r.width() * 0.22, r.height() * 0.2, -r.width() * 0.22, -r.height() * 0.18);
             p.setPen(InkPen(2));
             p.setBrush(QColor(255, 205, 90));
             QPainterPath back;
             back.moveTo(f.bottomLeft());
             back.lineTo(f.left(), f.top() + 3);
             back.lineTo(f.left() + f.width() * 0.35, f.top() + 3);
             back.lineTo(f.left() + f.width() * 0.45, f.top() + f.height() * 0.2);
             back.lineTo(f.right(), f.top() + f.height() * 0.2);
             back.lineTo(f.bottomRight());
             back.closeSubpath();
             p.drawPath(back);
             p.setBrush(QColor(255, 228, 140));
             QPainterPath front;
             front.moveTo(f.bottomLeft());
             front.lineTo(f.left() + f.width() * 0.15, f.top() + f.height() * 0.42);
             front.lineTo(f.right() + 4, f.top() + f.height() * 0.42);
             front.lineTo(f.bottomRight());
             front.closeSubpath();
             p.drawPath(front);
         }},
        {"boutenr",
         [](QPainter& p, const QRectF& r) {
             const double s = r.height() * 0.7;
             const QRectF d(r.center().x() - s / 2, r.center().y() - s / 2, s, s);
             p.setPen(InkPen(2));
             p.setBrush(QColor(110, 100, 200));
             p.drawRoundedRect(d, 3, 3);
             p.setBrush(Qt::white);
             p.drawRect(QRectF(d.left() + s * 0.22, d.top() + 2, s * 0.56, s * 0.34));
             p.setBrush(QColor(230, 230, 240));
             p.drawRect(QRectF(d.left() + s * 0.18, d.top() + s * 0.58, s * 0.64, s * 0.42 - 2));
         }},
        {"boutdep", [](QPainter& p, const QRectF& r) { Numeral(p, r, QStringLiteral("1")); }},
        {"boutvid", [](QPainter& p, const QRectF& r) { Numeral(p, r, QStringLiteral("2")); }},
        {"boutplu",
         [](QPainter& p, const QRectF& r) {
             p.setPen(InkPen(5));
             const QPointF c = r.center();
             const double h = r.height() * 0.28;
             p.drawLine(c + QPointF(-h, 0), c + QPointF(h, 0));
             p.drawLine(c + QPointF(0, -h), c + QPointF(0, h));
         }},
        {"boutmoi",
         [](QPainter& p, const QRectF& r) {
             p.setPen(QPen(QColor(190, 40, 40), 5, Qt::SolidLine, Qt::RoundCap));
             const QPointF c = r.center();
             const double h = r.height() * 0.24;
             p.drawLine(c + QPointF(-h, -h), c + QPointF(h, h));
             p.drawLine(c + QPointF(-h, h), c + QPointF(h, -h));
         }},
        {"bouthau", [](QPainter& p, const QRectF& r) { Arrow(p, r, true); }},
        {"boutbas", [](QPainter& p, const QRectF& r) { Arrow(p, r, false); }},
        {"boutsom",
         [](QPainter& p, const QRectF& r) {
             Page(p, r);
             p.setPen(InkPen(1.6));
             const double x0 = r.center().x() - r.height() * 0.2, x1 = r.center().x() + r.height() * 0.2;
             for (int i = 0; i < 4; ++i) {
                 const double y = r.top() + r.height() * (0.3 + 0.13 * i);
                 p.drawLine(QPointF(x0, y), QPointF(i % 2 ? x1 - 4 : x1, y));
             }
         }},
        {"boutgal",
         [](QPainter& p, const QRectF& r) {
             const double s = r.height() * 0.3, gap = 3;
             const QPointF o(r.center().x() - s - gap / 2, r.center().y() - s - gap / 2);
             for (int i = 0; i < 2; ++i)
                 for (int j = 0; j < 2; ++j) Picture(p, QRectF(o.x() + i * (s + gap), o.y() + j * (s + gap), s, s));
         }},
        {"bouthti",
         [](QPainter& p, const QRectF& r) {
             const double h = r.height() * 0.6;
             Picture(p, QRectF(r.center().x() - h * 0.7, r.center().y() - h / 2, h * 1.4, h));
         }},
        {"boutlou",
         [](QPainter& p, const QRectF& r) {
             const double d = r.height() * 0.46;
             const QPointF c(r.center().x() - 3, r.center().y() - 3);
             p.setPen(InkPen(3));
             p.setBrush(QColor(220, 240, 255));
             p.drawEllipse(c, d / 2, d / 2);
             p.setPen(InkPen(5));
             p.drawLine(c + QPointF(d * 0.38, d * 0.38), c + QPointF(d * 0.8, d * 0.8));
         }},
        {"boutvoi",
         [](QPainter& p, const QRectF& r) {
             const QPointF c = r.center();
             const double w = r.width() * 0.34, h = r.height() * 0.26;
             QPainterPath eye;
             eye.moveTo(c.x() - w, c.y());
             eye.quadTo(c.x(), c.y() - 2 * h, c.x() + w, c.y());
             eye.quadTo(c.x(), c.y() + 2 * h, c.x() - w, c.y());
             p.setPen(InkPen(2.2));
             p.setBrush(Qt::white);
             p.drawPath(eye);
             p.setBrush(QColor(60, 120, 200));
             p.drawEllipse(c, h * 0.85, h * 0.85);
             p.setBrush(Qt::black);
             p.setPen(Qt::NoPen);
             p.drawEllipse(c, h * 0.35, h * 0.35);
         }},
        {"boutweb",
         [](QPainter& p, const QRectF& r) {
             const QPointF c = r.center();
             const double rad = r.height() * 0.32;
             p.setPen(InkPen(2));
             p.setBrush(QColor(150, 200, 250));
             p.drawEllipse(c, rad, rad);
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(c, rad * 0.45, rad);
             p.drawLine(c + QPointF(-rad, 0), c + QPointF(rad, 0));
             p.drawLine(c + QPointF(0, -rad), c + QPointF(0, rad));
         }},
        {"boutqui",
         [](QPainter& p, const QRectF& r) {
             const QPointF c(r.center().x(), r.center().y() + 2);
             const double rad = r.height() * 0.27;
             p.setPen(QPen(QColor(190, 40, 40), 3.5, Qt::SolidLine, Qt::RoundCap));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad), 120 * 16, 300 * 16);
             p.drawLine(c + QPointF(0, -rad * 1.25), c + QPointF(0, -rad * 0.2));
         }},
        {"boutaid",
         [](QPainter& p, const QRectF& r) {
             QFont font(QStringLiteral("DejaVu Serif"));
             font.setBold(true);
             font.setPixelSize(int(r.height() * 0.7));
             p.setFont(font);
             p.setPen(kInk);
             p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
         }},
    };
    return glyphs;
}

struct ButtonSize {
    const char* name;
    int width;
    int height;
};

constexpr ButtonSize kButtons[] = {
    {"boutnou", 56, 44}, {"boutouv", 56, 40}, {"boutenr", 56, 44}, {"boutdep", 44, 44}, {"boutvid", 44, 44},
    {"boutplu", 36, 36}, {"bouthau", 36, 32}, {"boutbas", 36, 32}, {"boutmoi", 36, 36}, {"boutsom", 44, 36},
    {"boutgal", 44, 36}, {"bouthti", 44, 36}, {"boutlou", 40, 40}, {"boutvoi", 56, 44}, {"boutweb", 56, 44},
    {"boutqui", 56, 44}, {"boutaid", 40, 32},
};

// `scale` 2 draws the same look twice as large, for screens that scale by 2.
QImage Button(const ButtonSize& size, bool pressed, int scale = 1) {
    QImage image(size.width * scale, size.height * scale, QImage::Format_RGB32);
    image.fill(kBand);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const QRectF face = QRectF(0.5, 0.5, size.width - 1.0, size.height - 1.0).adjusted(1, 1, -1, -1);
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    if (pressed) {
        fill.setColorAt(0, QColor(228, 132, 52));
        fill.setColorAt(1, QColor(250, 190, 120));
    } else {
        fill.setColorAt(0, QColor(255, 250, 240));
        fill.setColorAt(1, QColor(250, 196, 130));
    }
    p.setPen(QPen(pressed ? QColor(150, 80, 30) : QColor(200, 130, 60), 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(face, 8, 8);
    const QRectF glyphArea = pressed ? face.translated(1, 1) : face;
    Glyphs().at(QString::fromLatin1(size.name))(p, glyphArea);
    return image;
}

// The six aperture blades of the logo mark, turned open as `opening` goes from 0 to 1.
std::vector<QPolygonF> LogoBlades(QPointF centre, double radius, double opening) {
    std::vector<QPolygonF> blades;
    const double inner = radius * (0.15 + 0.6 * opening);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3 + opening * 0.8;
        blades.push_back(QPolygonF{
            centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.96,
            centre + QPointF(std::cos(a + M_PI / 3), std::sin(a + M_PI / 3)) * radius * 0.96,
            centre + QPointF(std::cos(a + M_PI / 2.2), std::sin(a + M_PI / 2.2)) * inner,
        });
    }
    return blades;
}

void DrawLogoMark(QPainter& p, QPointF centre, double radius, double opening, QColor blade) {
    p.setPen(QPen(QColor(60, 50, 130), 2));
    p.setBrush(QColor(40, 34, 90));
    p.drawEllipse(centre, radius, radius);
    const std::vector<QPolygonF> blades = LogoBlades(centre, radius, opening);
    for (int i = 0; i < 6; ++i) {
        QPainterPath path;
        path.addPolygon(blades[i]);
        path.closeSubpath();
        p.setBrush(blade.darker(100 + i * 8));
        p.drawPath(path);
    }
}

// The program's icon: the logo mark, open, on a rounded plate of the window's colour.
// Drawn on a 256-unit square; the pictures scale it, the SVG keeps its units.
constexpr double kIconUnits = 256;
const QRectF kIconPlate(12, 12, 232, 232);
constexpr double kIconCorner = 44;
const QPointF kIconCentre(128, 128);
constexpr double kIconRadius = 96;
constexpr double kIconOpening = 0.8;
const QColor kIconBlade(129, 121, 221);

QImage IconPicture(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kIconUnits, size / kIconUnits);
    QLinearGradient plate(0, kIconPlate.top(), 0, kIconPlate.bottom());
    plate.setColorAt(0, QColor(248, 172, 95));
    plate.setColorAt(1, kWindow);
    p.setPen(QPen(QColor(214, 128, 50), 4));
    p.setBrush(plate);
    p.drawRoundedRect(kIconPlate, kIconCorner, kIconCorner);
    DrawLogoMark(p, kIconCentre, kIconRadius, kIconOpening, kIconBlade);
    return image;
}

QString SvgColour(const QColor& colour) { return colour.name(QColor::HexRgb); }

QString IconSvg() {
    QString svg;
    const auto number = [](double value) { return QString::number(value, 'f', 2); };
    svg += QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
               "  <defs><linearGradient id=\"plate\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
               "<stop offset=\"0\" stop-color=\"%1\"/><stop offset=\"1\" stop-color=\"%2\"/>"
               "</linearGradient></defs>\n")
               .arg(SvgColour(QColor(248, 172, 95)), SvgColour(kWindow));
    svg += QStringLiteral(
               "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"url(#plate)\" "
               "stroke=\"%6\" stroke-width=\"4\"/>\n")
               .arg(number(kIconPlate.x()), number(kIconPlate.y()), number(kIconPlate.width()),
                    number(kIconPlate.height()), number(kIconCorner), SvgColour(QColor(214, 128, 50)));
    svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\" stroke=\"%5\" stroke-width=\"2\"/>\n")
               .arg(number(kIconCentre.x()), number(kIconCentre.y()), number(kIconRadius),
                    SvgColour(QColor(40, 34, 90)), SvgColour(QColor(60, 50, 130)));
    const std::vector<QPolygonF> blades = LogoBlades(kIconCentre, kIconRadius, kIconOpening);
    for (int i = 0; i < 6; ++i) {
        QStringList points;
        for (const QPointF& point : blades[i]) points << number(point.x()) + QLatin1Char(',') + number(point.y());
        svg += QStringLiteral(
                   "  <polygon points=\"%1\" fill=\"%2\" stroke=\"%3\" stroke-width=\"2\" "
                   "stroke-linejoin=\"round\"/>\n")
                   .arg(points.join(QLatin1Char(' ')), SvgColour(kIconBlade.darker(100 + i * 8)),
                        SvgColour(QColor(60, 50, 130)));
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}

bool WriteIcons(const QDir& icons) {
    icons.mkpath(QStringLiteral("."));
    bool ok = true;
    for (const int size : {48, 128, 256}) {
        ok &= IconPicture(size).save(icons.filePath(QStringLiteral("palimora-%1.png").arg(size)));
    }
    QFile svg(icons.filePath(QStringLiteral("palimora.svg")));
    ok &= svg.open(QIODevice::WriteOnly | QIODevice::Truncate) && svg.write(IconSvg().toUtf8()) > 0;
    return ok;
}

QImage Background(int scale = 1) {
    QImage image(792 * scale, 553 * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    QLinearGradient base(0, 0, 0, 553);
    base.setColorAt(0, QColor(248, 172, 95));
    base.setColorAt(1, kWindow);
    p.fillRect(QRectF(0, 0, 792, 553), base);

    // Header plate behind the project name and the step label.
    p.setPen(QPen(QColor(214, 128, 50), 1.5));
    p.setBrush(kPlate);
    p.drawRoundedRect(QRectF(60, 8, 486, 80), 14, 14);
    p.setBrush(QColor(255, 248, 236));
    p.drawRoundedRect(QRectF(68, 14, 175, 69), 10, 10);
    p.drawRoundedRect(QRectF(275, 14, 265, 61), 10, 10);

    // The program's mark and name, right of the header.
    DrawLogoMark(p, QPointF(590, 48), 30, 0.8, QColor(129, 121, 221));
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setBold(true);
    title.setPixelSize(30);
    p.setFont(title);
    p.setPen(QColor(110, 60, 20, 90));
    p.drawText(QRectF(628, 28, 170, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Palimora"));
    p.setPen(QColor(74, 62, 160));
    p.drawText(QRectF(626, 26, 170, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Palimora"));

    // Sunken frames of the left and right work areas.
    for (const QRectF area : {QRectF(8, 96, 385, 329), QRectF(407, 96, 377, 329)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 80, 20, 60));
        p.drawRoundedRect(area.adjusted(-4, -4, 4, 4), 8, 8);
        p.setBrush(QColor(255, 236, 210));
        p.drawRoundedRect(area, 4, 4);
    }

    // The toolbar band the buttons stand on; its colour matches the buttons' corners.
    p.setPen(QPen(QColor(214, 128, 50), 1.5));
    p.setBrush(kBand);
    p.drawRoundedRect(QRectF(40, 452, 712, 98), 18, 18);
    p.setPen(QPen(QColor(232, 170, 110), 1, Qt::DotLine));
    p.drawLine(QPointF(262, 462), QPointF(262, 540));
    p.drawLine(QPointF(522, 462), QPointF(522, 540));
    return image;
}

QImage LogoFrame(int frame, int frames) {
    const double t = std::min(1.0, double(frame) / (frames - 6));
    QImage image(543, 280, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(140, 140), 300);
    glow.setColorAt(0, QColor(255, 226, 180));
    glow.setColorAt(1, kWindow);
    p.fillRect(image.rect(), glow);
    DrawLogoMark(p, QPointF(140, 140), 90, t, QColor(129, 121, 221));
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setBold(true);
    title.setPixelSize(56);
    p.setFont(title);
    QColor ink(74, 62, 160);
    ink.setAlphaF(std::clamp(t * 1.4 - 0.2, 0.0, 1.0));
    p.setPen(ink);
    p.drawText(QRectF(250, 80, 290, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Palimora"));
    QFont tagline(QStringLiteral("DejaVu Sans"));
    tagline.setPixelSize(17);
    p.setFont(tagline);
    QColor sub(110, 60, 20);
    sub.setAlphaF(std::clamp(t * 1.6 - 0.6, 0.0, 1.0));
    p.setPen(sub);
    p.drawText(QRectF(254, 160, 280, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("photos \u2022 galeries \u2022 web\nphotos \u2022 galleries \u2022 web"));
    return image;
}

// The demo project's pictures: nine painted landscapes, three per gallery.
QImage Scene(int index) {
    QImage image(1600, 1067, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int kind = index / 3;  // sea, mountains, town
    const int variant = index % 3;
    const QColor skies[3][2] = {{QColor(120, 180, 235), QColor(250, 220, 170)},
                                {QColor(40, 60, 120), QColor(240, 150, 90)},
                                {QColor(170, 200, 230), QColor(235, 240, 245)}};
    QLinearGradient sky(0, 0, 0, 700);
    sky.setColorAt(0, skies[variant][0]);
    sky.setColorAt(1, skies[variant][1]);
    p.fillRect(image.rect(), sky);
    const QPointF sun(300 + variant * 480, 260 + variant * 60);
    QRadialGradient glow(sun, 160);
    glow.setColorAt(0, QColor(255, 245, 200));
    glow.setColorAt(0.35, QColor(255, 220, 140, 200));
    glow.setColorAt(1, QColor(255, 220, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, 160, 160);
    if (kind == 0) {
        for (int band = 0; band < 7; ++band) {
            QLinearGradient sea(0, 640, 0, 1067);
            sea.setColorAt(0, QColor(30, 90 + band * 8, 150 + band * 10));
            sea.setColorAt(1, QColor(10, 40, 80));
            QPainterPath wave;
            const double top = 640 + band * 60;
            wave.moveTo(0, top);
            for (int x = 0; x <= 1600; x += 40)
                wave.lineTo(x, top + 10 * std::sin((x + band * 90 + variant * 50) / 70.0));
            wave.lineTo(1600, 1067);
            wave.lineTo(0, 1067);
            p.setBrush(sea);
            p.drawPath(wave);
        }
        p.setBrush(QColor(240, 240, 240));
        QPainterPath sail;
        sail.moveTo(900 - variant * 200, 560);
        sail.lineTo(980 - variant * 200, 700);
        sail.lineTo(900 - variant * 200, 700);
        sail.closeSubpath();
        p.drawPath(sail);
        p.setBrush(QColor(90, 50, 30));
        p.drawRect(QRectF(860 - variant * 200, 700, 150, 22));
    } else if (kind == 1) {
        const QColor ranges[3] = {QColor(90, 100, 140), QColor(60, 80, 90), QColor(40, 70, 50)};
        for (int r = 0; r < 3; ++r) {
            QPainterPath ridge;
            ridge.moveTo(0, 1067);
            const double base = 560 + r * 140;
            for (int x = 0; x <= 1600; x += 100) {
                ridge.lineTo(x, base - 220 * std::abs(std::sin((x + r * 300 + variant * 170) / 330.0)) / (r + 1));
            }
            ridge.lineTo(1600, 1067);
            ridge.closeSubpath();
            p.setBrush(ranges[r]);
            p.drawPath(ridge);
        }
        p.setBrush(QColor(250, 250, 255, 220));
        QPainterPath snow;
        snow.moveTo(500 + variant * 120, 330);
        snow.lineTo(560 + variant * 120, 420);
        snow.lineTo(440 + variant * 120, 420);
        snow.closeSubpath();
        p.drawPath(snow);
    } else {
        for (int b = 0; b < 14; ++b) {
            const double w = 80 + (b * 37 + variant * 13) % 70;
            const double h = 200 + (b * 53 + variant * 29) % 380;
            const double x = b * 118 - 20;
            p.setBrush(QColor(60 + b * 6, 55 + b * 4, 80 + variant * 20));
            p.drawRect(QRectF(x, 1067 - 160 - h, w, h));
            p.setBrush(QColor(255, 225, 140, 180));
            for (double wy = 1067 - 140 - h; wy < 1067 - 180; wy += 36) {
                for (double wx = x + 10; wx < x + w - 16; wx += 24) {
                    if (static_cast<int>(wx + wy + b) % 3) p.drawRect(QRectF(wx, wy, 10, 16));
                }
            }
        }
        p.setBrush(QColor(35, 35, 45));
        p.drawRect(QRectF(0, 1067 - 160, 1600, 160));
    }
    return image;
}

}  // namespace

// The background and toolbar looks drawn twice as large ("name@2x.jpg"),
// which the program shows on screens that scale by 2.
bool WriteSharpInterface(const QDir& assets) {
    bool ok = Background(2).save(assets.filePath(QStringLiteral("interface/fond@2x.jpg")), "JPG", 100);
    for (const auto& size : kButtons) {
        const QString name = QString::fromLatin1(size.name);
        ok &= Button(size, false, 2).save(assets.filePath(QStringLiteral("interface/%1@2x.jpg").arg(name)), "JPG", 95);
        ok &= Button(size, true, 2)
                  .save(assets.filePath(QStringLiteral("interface/%1").arg(name + QStringLiteral("1@2x.jpg"))), "JPG",
                        95);
    }
    return ok;
}

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--demo")) {
        const QDir pictures(QString::fromLocal8Bit(argv[2]));
        pictures.mkpath(QStringLiteral("."));
        bool ok = true;
        for (int i = 0; i < 9; ++i) {
            ok &= Scene(i).save(pictures.filePath(QStringLiteral("%1.jpg").arg(i + 1, 6, 10, QLatin1Char('0'))), "JPG",
                                88);
        }
        return ok ? 0 : 1;
    }
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--patterns")) {
        return WritePatterns(QDir(QString::fromLocal8Bit(argv[2]))) ? 0 : 1;
    }
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--icons")) {
        return WriteIcons(QDir(QString::fromLocal8Bit(argv[2]))) ? 0 : 1;
    }
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--sharp")) {
        return WriteSharpInterface(QDir(QString::fromLocal8Bit(argv[2]))) ? 0 : 1;
    }
    if (argc != 3) return 2;
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    const QDir frames(QString::fromLocal8Bit(argv[2]));
    assets.mkpath(QStringLiteral("interface"));
    frames.mkpath(QStringLiteral("."));

    bool ok = Background().save(assets.filePath(QStringLiteral("interface/fond.jpg")), "JPG", 100);
    for (const auto& size : kButtons) {
        const QString name = QString::fromLatin1(size.name);
        ok &= Button(size, false).save(assets.filePath(QStringLiteral("interface/%1.jpg").arg(name)), "JPG", 95);
        ok &= Button(size, true)
                  .save(assets.filePath(QStringLiteral("interface/%1").arg(name + QStringLiteral("1.jpg"))), "JPG", 95);
    }
    constexpr int kFrames = 24;
    for (int i = 0; i < kFrames; ++i) {
        ok &= LogoFrame(i, kFrames).save(frames.filePath(QStringLiteral("logo%1.png").arg(i, 2, 10, QLatin1Char('0'))));
    }
    return ok ? 0 : 1;
}
