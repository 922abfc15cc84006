#pragma once
#include <QImage>

namespace quorvel::assets {

// A monochrome pointing hand (black outline, white fill, the rest transparent) whose
// fingertip is the hot spot kPointerHotSpot.
QImage handPointer();

}  // namespace quorvel::assets
