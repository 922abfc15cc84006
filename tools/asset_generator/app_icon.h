#pragma once
#include <QImage>

namespace quorvel::assets {

// The application icon at `size` x `size` pixels: the emblem on a rounded dark tile.
QImage appIcon(int size);

}  // namespace quorvel::assets
