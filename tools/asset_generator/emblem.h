#pragma once
#include <QRectF>

class QPainter;

namespace quorvel::assets {

// A compact camera with a colourful file tile lettered JPG in front of it, filling `box`.
// Drawn from shapes only, so the result does not depend on the installed fonts.
void drawEmblem(QPainter& painter, const QRectF& box);

}  // namespace quorvel::assets
