#include "hand_pointer.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "geometry.h"

namespace quorvel::assets {
namespace {

// The hand's outline on the 32 x 32 grid, through the centres of the 1x picture's outline
// pixels: up the index finger from the thumb's root, over the four fingertips, down the
// back of the hand, round the wrist and the thumb.
QPolygonF outline() {
    const QPointF corners[] = {
        {4, 12}, {4, 1},  {5, 0},   {7, 0},   {8, 1},   {8, 6},   {11, 6},  {12, 7},
        {15, 7}, {16, 8}, {16, 9},  {19, 9},  {20, 10}, {20, 18}, {19, 19}, {19, 23},
        {6, 23}, {6, 22}, {5, 21},  {5, 20},  {4, 19},  {4, 18},  {0, 14},  {0, 13},
        {1, 12}, {2, 12}, {3, 13},
    };
    QPolygonF polygon;
    for (const QPointF& corner : corners) polygon << corner + QPointF(0.5, 0.5);
    return polygon;
}

// Where the fingers part, from each fingertip's side down to the palm.
constexpr QLineF kFingerGaps[] = {
    {8.5, 6.5, 8.5, 11.5},
    {12.5, 7.5, 12.5, 11.5},
    {16.5, 9.5, 16.5, 11.5},
};

}  // namespace

// Drawn from the outline at the target size without antialiasing, so every pixel stays
// black, white or clear (what an X or Win32 cursor shows best) and a 2x pointer has its
// 1-pixel outline at twice the detail rather than doubled pixels.
QImage handPointer(int scale) {
    QImage image(kPointerSize * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // One device pixel at 1x and 2x, two at 3x: thin enough to keep the fingers apart.
    const int penPixels = (scale + 1) / 2;
    // Each outline pixel of the 1x picture becomes a scale x scale block; the pen is moved
    // to that block's top-left edge, so the fingertip's top row stays row 0 and the hot spot
    // kPointerHotSpot * scale lies on it.
    painter.translate((penPixels - scale) / 2.0, (penPixels - scale) / 2.0);
    painter.scale(scale, scale);
    QPen pen(Qt::black, penPixels / double(scale));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(outline());
    for (const QLineF& gap : kFingerGaps) painter.drawLine(gap);
    return image;
}

}  // namespace quorvel::assets
