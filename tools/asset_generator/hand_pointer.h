#pragma once
#include <QImage>

namespace quorvel::assets {

// A monochrome pointing hand (black outline, white fill, the rest transparent) of
// kPointerSize * scale pixels whose fingertip is the hot spot kPointerHotSpot * scale.
QImage handPointer(int scale);

}  // namespace quorvel::assets
