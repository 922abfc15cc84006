#pragma once
#include <QImage>

namespace quorvel::assets {

// At `scale` device pixels per pixel of the geometry (1, 2 or 3), for screens of that density.
QImage normalDropArea(int scale = 1);
// The normal picture with a white glow around the emblem, inside kGlowBox only.
QImage highlightedDropArea(int scale = 1);

}  // namespace quorvel::assets
