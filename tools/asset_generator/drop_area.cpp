#include "drop_area.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "emblem.h"
#include "geometry.h"

namespace quorvel::assets {
namespace {

QImage blankImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QRect scaled(const QRect& box, int scale) {
    return {box.topLeft() * scale, box.size() * scale};
}

void drawBackground(QPainter& painter) {
    QLinearGradient diagonal(0, 0, kDropAreaSize.width(), kDropAreaSize.height());
    diagonal.setColorAt(0, QColor(0x3d, 0x4a, 0x43));
    diagonal.setColorAt(1, QColor(0x1b, 0x23, 0x1f));
    painter.fillRect(QRect(QPoint(0, 0), kDropAreaSize), diagonal);
    painter.fillRect(0, kRuleDarkY, kDropAreaSize.width(), 1, QColor(0x0e, 0x12, 0x10));
    painter.fillRect(0, kRuleLightY, kDropAreaSize.width(), 1, QColor(0x5a, 0x68, 0x60));
}

// Drawn from shapes at the target resolution, so a 2x picture has twice the detail.
QImage emblemLayer(int scale) {
    QImage layer = blankImage(kDropAreaSize * scale);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    drawEmblem(painter, QRectF(kEmblemBox.x(), kEmblemBox.y(), kEmblemBox.width(),
                               kEmblemBox.height()));
    return layer;
}

// The emblem's alpha inside the glow box, widened by `radius` and blurred twice by a box of
// the same radius: a soft halo that fades out before the box's edges.
std::vector<int> haloAlpha(const QImage& emblem, const QRect& glowBox, int radius) {
    const int w = glowBox.width(), h = glowBox.height();
    std::vector<int> alpha(static_cast<std::size_t>(w * h));
    auto at = [&](std::vector<int>& v, int x, int y) -> int& {
        return v[static_cast<std::size_t>(y * w + x)];
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            at(alpha, x, y) = qAlpha(emblem.pixel(glowBox.x() + x, glowBox.y() + y));
    for (int pass = 0; pass < 3; ++pass) {
        std::vector<int> next(alpha.size());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int best = 0, sum = 0, count = 0;
                for (int dy = -radius; dy <= radius; ++dy)
                    for (int dx = -radius; dx <= radius; ++dx) {
                        const int sx = std::clamp(x + dx, 0, w - 1);
                        const int sy = std::clamp(y + dy, 0, h - 1);
                        best = std::max(best, at(alpha, sx, sy));
                        sum += at(alpha, sx, sy);
                        ++count;
                    }
                at(next, x, y) = pass == 0 ? best : sum / count;
            }
        alpha = std::move(next);
    }
    return alpha;
}

void drawGlow(QPainter& painter, const QImage& emblem, int scale) {
    const QRect glowBox = scaled(kGlowBox, scale);
    const std::vector<int> alpha = haloAlpha(emblem, glowBox, 3 * scale);
    QImage glow = blankImage(glowBox.size());
    for (int y = 0; y < glow.height(); ++y)
        for (int x = 0; x < glow.width(); ++x) {
            const int a = std::min(255, alpha[static_cast<std::size_t>(y * glow.width() + x)]);
            glow.setPixel(x, y, qPremultiply(qRgba(255, 255, 255, a)));
        }
    painter.drawImage(glowBox.topLeft(), glow);
}

QImage composed(bool glowing, int scale) {
    QImage picture(kDropAreaSize * scale, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.save();
    painter.scale(scale, scale);
    drawBackground(painter);
    painter.restore();
    const QImage emblem = emblemLayer(scale);
    if (glowing) drawGlow(painter, emblem, scale);
    painter.drawImage(0, 0, emblem);
    return picture;
}

}  // namespace

QImage normalDropArea(int scale) { return composed(false, scale); }

QImage highlightedDropArea(int scale) {
    // Only the glow box is taken from the glowing picture, so the two differ nowhere else.
    QImage picture = normalDropArea(scale);
    QPainter painter(&picture);
    const QRect glowBox = scaled(kGlowBox, scale);
    painter.drawImage(glowBox.topLeft(), composed(true, scale).copy(glowBox));
    return picture;
}

}  // namespace quorvel::assets
