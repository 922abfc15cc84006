#pragma once
#include <QImage>

namespace quorvel::assets {

QImage normalDropArea();
// The normal picture with a white glow around the emblem, inside kGlowBox only.
QImage highlightedDropArea();

}  // namespace quorvel::assets
