#include "emblem.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace quorvel::assets {
namespace {

// The emblem is drawn on a 107 x 100 grid and scaled to its box.
constexpr qreal kGridWidth = 107;
constexpr qreal kGridHeight = 100;
const QColor kInk(0x26, 0x2a, 0x2e);

QLinearGradient metal(qreal top, qreal bottom) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, QColor(0xdc, 0xe0, 0xe4));
    gradient.setColorAt(1, QColor(0x7a, 0x82, 0x8a));
    return gradient;
}

void drawBody(QPainter& painter) {
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(metal(14, 24));
    painter.drawRoundedRect(QRectF(16, 14, 24, 10), 3, 3);
    painter.setBrush(QColor(0xd0, 0x4a, 0x3a));
    painter.drawRoundedRect(QRectF(68, 17, 14, 6), 2, 2);
    painter.setBrush(metal(22, 78));
    painter.drawRoundedRect(QRectF(4, 22, 88, 56), 8, 8);
    painter.setBrush(QColor(0xf2, 0xf0, 0xe2));
    painter.drawRoundedRect(QRectF(74, 28, 14, 8), 1.5, 1.5);
}

void drawLens(QPainter& painter) {
    const QPointF centre(44, 50);
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(QColor(0x33, 0x38, 0x3d));
    painter.drawEllipse(centre, 22, 22);
    QRadialGradient glass(centre + QPointF(-5, -5), 18);
    glass.setColorAt(0, QColor(0x3c, 0x5a, 0x8c));
    glass.setColorAt(1, QColor(0x0a, 0x12, 0x20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glass);
    painter.drawEllipse(centre, 15, 15);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(centre + QPointF(-6, -6), 4, 3);
}

QPainterPath tileOutline() {
    QPainterPath tile;
    tile.moveTo(56, 40);
    tile.lineTo(92, 40);
    tile.lineTo(104, 52);
    tile.lineTo(104, 99);
    tile.lineTo(56, 99);
    tile.closeSubpath();
    return tile;
}

void drawTile(QPainter& painter) {
    QLinearGradient colours(56, 40, 104, 99);
    colours.setColorAt(0, QColor(0xff, 0xa2, 0x3a));
    colours.setColorAt(0.5, QColor(0xf0, 0x44, 0x7c));
    colours.setColorAt(1, QColor(0x6a, 0x5c, 0xff));
    painter.setPen(QPen(QColor(255, 255, 255, 220), 1.5));
    painter.setBrush(colours);
    painter.drawPath(tileOutline());
    QPainterPath fold;
    fold.moveTo(92, 40);
    fold.lineTo(92, 52);
    fold.lineTo(104, 52);
    fold.closeSubpath();
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawPath(fold);
}

QPainterPath letters() {
    QPainterPath path;
    path.moveTo(66, 70);  // J
    path.lineTo(66, 84);
    path.quadTo(66, 88, 62.5, 88);
    path.quadTo(60, 88, 60, 85);
    path.moveTo(71, 88);  // P
    path.lineTo(71, 70);
    path.lineTo(76, 70);
    path.cubicTo(82, 70, 82, 79.5, 76, 79.5);
    path.lineTo(71, 79.5);
    path.arcMoveTo(QRectF(85, 70, 13, 18), 50);  // G
    path.arcTo(QRectF(85, 70, 13, 18), 50, 270);
    path.lineTo(98, 80);
    path.lineTo(92.5, 80);
    return path;
}

void drawLetters(QPainter& painter) {
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(letters());
}

}  // namespace

void drawEmblem(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / kGridWidth, box.height() / kGridHeight);
    drawBody(painter);
    drawLens(painter);
    drawTile(painter);
    drawLetters(painter);
    painter.restore();
}

}  // namespace quorvel::assets
