#include "heif/heif_rgb.h"

#include <algorithm>
#include <cstdint>

#include "magick/magick_image.h"

namespace quorvel::converter {
namespace {

struct Row {
    const std::uint8_t* samples;
    std::size_t channels;
};

// The common case, 8-bit samples, without per-sample branches.
void copy8(const Row& row, std::size_t width, bool alpha, PixelPacket* q) {
    const std::uint8_t* p = row.samples;
    for (std::size_t x = 0; x < width; ++x, ++q, p += row.channels) {
        SetPixelRed(q, quantumFrom8(p[0]));
        SetPixelGreen(q, quantumFrom8(p[1]));
        SetPixelBlue(q, quantumFrom8(p[2]));
        SetPixelAlpha(q, alpha ? quantumFrom8(p[3]) : QuantumRange);
    }
}

// Samples of 9 to 16 bits in little-endian 16-bit words, scaled to the full 16-bit range.
void copyDeep(const Row& row, std::size_t width, bool alpha, unsigned max, PixelPacket* q) {
    const auto sample = [&](std::size_t i) {
        const unsigned value = row.samples[2 * i] | row.samples[2 * i + 1] << 8;
        return quantumFrom16(
            static_cast<unsigned short>((std::min(value, max) * 65535u + max / 2) / max));
    };
    for (std::size_t x = 0; x < width; ++x, ++q) {
        const std::size_t at = x * row.channels;
        SetPixelRed(q, sample(at));
        SetPixelGreen(q, sample(at + 1));
        SetPixelBlue(q, sample(at + 2));
        SetPixelAlpha(q, alpha ? sample(at + 3) : QuantumRange);
    }
}

}  // namespace

heif_chroma interleavedChroma(bool alpha, bool deep) {
    if (deep)
        return alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE;
    return alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB;
}

bool copyInterleavedRgb(const heif_image* decoded, bool alpha, Image* image,
                        ExceptionInfo* exception) {
    int stride = 0;
    const std::uint8_t* plane =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int bits = heif_image_get_bits_per_pixel_range(decoded, heif_channel_interleaved);
    if (!plane || bits < 8 || bits > 16) return false;
    const unsigned max = (1u << bits) - 1;
    const std::size_t channels = alpha ? 4 : 3;
    const auto rows = static_cast<ssize_t>(image->rows);
    CacheView* view = AcquireAuthenticCacheView(image, exception);
    int failures = 0;
    // Rows in parallel, as ImageMagick's own readers fill large pictures.
#pragma omp parallel for schedule(static) reduction(+ : failures)
    for (ssize_t y = 0; y < rows; ++y) {
        PixelPacket* q = QueueCacheViewAuthenticPixels(view, 0, y, image->columns, 1, exception);
        if (!q) {
            ++failures;
            continue;
        }
        const Row row{plane + y * static_cast<std::ptrdiff_t>(stride), channels};
        if (bits == 8) {
            copy8(row, image->columns, alpha, q);
        } else {
            copyDeep(row, image->columns, alpha, max, q);
        }
        if (SyncCacheViewAuthenticPixels(view, exception) == MagickFalse) ++failures;
    }
    DestroyCacheView(view);
    return failures == 0;
}

}  // namespace quorvel::converter
