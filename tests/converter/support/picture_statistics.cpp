#include "picture_statistics.h"

#include <magick/MagickCore.h>

namespace quorvel::converter::testing_support {
namespace {

unsigned eightBit(Quantum value) { return ScaleQuantumToChar(value); }

PictureStatistics measure(Image* image, ExceptionInfo* exception) {
    PictureStatistics statistics;
    double luma = 0;
    std::size_t clipped = 0;
    for (ssize_t y = 0; y < static_cast<ssize_t>(image->rows); ++y) {
        const PixelPacket* p = GetVirtualPixels(image, 0, y, image->columns, 1, exception);
        if (!p) break;
        for (std::size_t x = 0; x < image->columns; ++x, ++p) {
            const unsigned r = eightBit(GetPixelRed(p)), g = eightBit(GetPixelGreen(p)),
                           b = eightBit(GetPixelBlue(p));
            if (r == 255 || g == 255 || b == 255) ++clipped;
            luma += 0.2126 * r + 0.7152 * g + 0.0722 * b;
        }
    }
    const double pixels = static_cast<double>(image->columns * image->rows);
    statistics.clippedShare = clipped / pixels;
    statistics.meanLuma = luma / pixels;
    return statistics;
}

}  // namespace

std::optional<PictureStatistics> pictureStatistics(const std::filesystem::path& path) {
    ImageInfo* info = AcquireImageInfo();
    ExceptionInfo* exception = AcquireExceptionInfo();
    CopyMagickString(info->filename, path.c_str(), MaxTextExtent);
    Image* image = ReadImage(info, exception);
    std::optional<PictureStatistics> statistics;
    if (image) {
        statistics = measure(image, exception);
        DestroyImageList(image);
    }
    DestroyExceptionInfo(exception);
    DestroyImageInfo(info);
    return statistics;
}

}  // namespace quorvel::converter::testing_support
