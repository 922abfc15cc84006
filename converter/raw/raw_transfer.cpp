#include "raw/raw_transfer.h"

#include <algorithm>

#include "magick/magick_image.h"
#include "memory/memory_release.h"
#include "raw/raw_orientation.h"

namespace quorvel::converter {
namespace {

constexpr int kBandRows = 64;

struct Band {
    ssize_t x, y;
    std::size_t columns, rows;
};

Band uprightBand(const RawOrientation& orientation, int first, int count) {
    const int start = orientation.uprightStart(first, count);
    const auto all = [](int n) { return static_cast<std::size_t>(n); };
    if (orientation.transposed()) return {start, 0, all(count), all(orientation.uprightHeight())};
    return {0, start, all(orientation.uprightWidth()), all(count)};
}

class PixelWriter {
public:
    explicit PixelWriter(const LibRawSession& raw)
        : m_pixels(raw.imgdata.image),
          m_curve(raw.imgdata.color.curve),
          m_gray(raw.imgdata.idata.colors == 1) {}

    void write(PixelPacket* target, std::size_t source) const {
        const unsigned short* value = m_pixels[source];
        const unsigned short red = m_curve[value[0]];
        SetPixelRed(target, quantumFrom16(red));
        SetPixelGreen(target, quantumFrom16(m_gray ? red : m_curve[value[1]]));
        SetPixelBlue(target, quantumFrom16(m_gray ? red : m_curve[value[2]]));
        SetPixelOpacity(target, OpaqueOpacity);
    }

private:
    const unsigned short (*m_pixels)[4];
    const unsigned short* m_curve;
    bool m_gray;
};

bool copyBand(const RawOrientation& orientation, const PixelWriter& writer, const Band& band,
              Image* image, ExceptionInfo* exception) {
    PixelPacket* target =
        QueueAuthenticPixels(image, band.x, band.y, band.columns, band.rows, exception);
    if (!target) return false;
    for (std::size_t row = 0; row < band.rows; ++row)
        for (std::size_t column = 0; column < band.columns; ++column, ++target)
            writer.write(target, orientation.sourceIndex(static_cast<int>(band.y + row),
                                                         static_cast<int>(band.x + column)));
    return SyncAuthenticPixels(image, exception) == MagickTrue;
}

}  // namespace

bool transferProcessedPicture(LibRawSession& raw, Image* image, ExceptionInfo* exception) {
    raw.prepareOutputCurve();
    const libraw_image_sizes_t& sizes = raw.imgdata.sizes;
    const RawOrientation orientation(sizes.width, sizes.height, sizes.flip);
    const PixelWriter writer(raw);
    const std::size_t rowValues = sizes.width;
    ProgressiveRelease release(raw.imgdata.image);
    for (int first = 0; first < sizes.height; first += kBandRows) {
        const int count = std::min(kBandRows, sizes.height - first);
        if (!copyBand(orientation, writer, uprightBand(orientation, first, count), image,
                      exception))
            return false;
        release.consumedUpTo(raw.imgdata.image + (first + count) * rowValues);
    }
    return true;
}

}  // namespace quorvel::converter
