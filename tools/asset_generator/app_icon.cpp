#include "app_icon.h"

#include <QLinearGradient>
#include <QPainter>

#include "emblem.h"

namespace quorvel::assets {

QImage appIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QLinearGradient tile(0, 0, s, s);
    tile.setColorAt(0, QColor(0x4a, 0x58, 0x50));
    tile.setColorAt(1, QColor(0x1b, 0x23, 0x1f));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
    // The emblem keeps its 107:100 proportions, centred on the tile.
    const qreal w = s * 0.84, h = w * 100 / 107;
    drawEmblem(painter, QRectF((s - w) / 2, (s - h) / 2, w, h));
    return icon;
}

}  // namespace quorvel::assets
