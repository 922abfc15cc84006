#include "hdr/float_image.h"

#include <algorithm>
#include <cmath>

#include "magick/magick_image.h"

namespace quorvel::converter {
namespace {

Quantum toQuantum(float value) {
    const float clamped = std::clamp(value, 0.0f, 1.0f);
    return quantumFrom16(static_cast<unsigned short>(std::lround(clamped * 65535.0f)));
}

}  // namespace

Image* imageFromDisplayPicture(const ImageInfo* info, const FloatPicture& picture,
                               ExceptionInfo* exception) {
    Image* image = newImage(info, picture.width, picture.height, 16, exception);
    if (!image) return nullptr;
    for (std::size_t y = 0; y < picture.height; ++y) {
        PixelPacket* q =
            QueueAuthenticPixels(image, 0, static_cast<ssize_t>(y), picture.width, 1, exception);
        if (!q) return DestroyImage(image);
        const float* p = picture.rgb.data() + y * picture.width * 3;
        for (std::size_t x = 0; x < picture.width; ++x, ++q, p += 3) {
            SetPixelRed(q, toQuantum(p[0]));
            SetPixelGreen(q, toQuantum(p[1]));
            SetPixelBlue(q, toQuantum(p[2]));
            SetPixelOpacity(q, OpaqueOpacity);
        }
        if (SyncAuthenticPixels(image, exception) == MagickFalse) return DestroyImage(image);
    }
    return image;
}

}  // namespace quorvel::converter
