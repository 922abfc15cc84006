#include "hand_pointer.h"

#include <array>

#include "geometry.h"

namespace quorvel::assets {
namespace {

// X black, o white, anything else transparent; rows shorter than 32 are padded. The
// fingertip's top pixel is the hot spot (6, 0).
constexpr std::array<const char*, 24> kHand = {
    ".....XXX",
    "....XoooX",
    "....XoooX",
    "....XoooX",
    "....XoooX",
    "....XoooX",
    "....XoooXXXX",
    "....XoooXoooXXXX",
    "....XoooXoooXoooX",
    "....XoooXoooXoooXXXX",
    "....XoooXoooXoooXoooX",
    "....XoooXoooXoooXoooX",
    ".XX.XoooooooooooooooX",
    "XooXXoooooooooooooooX",
    "XoooXoooooooooooooooX",
    ".XooooooooooooooooooX",
    "..XoooooooooooooooooX",
    "...XooooooooooooooooX",
    "....XoooooooooooooooX",
    "....XooooooooooooooX",
    ".....XoooooooooooooX",
    ".....XoooooooooooooX",
    "......XooooooooooooX",
    "......XXXXXXXXXXXXXX",
};

QRgb pixelOf(char c) {
    if (c == 'X') return qRgba(0, 0, 0, 255);
    if (c == 'o') return qRgba(255, 255, 255, 255);
    return qRgba(0, 0, 0, 0);
}

}  // namespace

QImage handPointer() {
    QImage image(kPointerSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < static_cast<int>(kHand.size()); ++y)
        for (int x = 0; kHand[static_cast<std::size_t>(y)][x] != '\0'; ++x)
            image.setPixel(x, y, pixelOf(kHand[static_cast<std::size_t>(y)][x]));
    return image;
}

}  // namespace quorvel::assets
