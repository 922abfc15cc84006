#include "magick/magick_image.h"

#include <vector>

#include "memory/huge_pages.h"

namespace quorvel::converter {

Image* newImage(const ImageInfo* info, std::size_t width, std::size_t height, std::size_t depth,
                ExceptionInfo* exception) {
    Image* image = AcquireImage(info);
    image->depth = depth;
    image->orientation = TopLeftOrientation;
    if (info->ping) {
        image->columns = width;
        image->rows = height;
        return image;
    }
    if (SetImageExtent(image, width, height) == MagickFalse) {
        InheritException(exception, &image->exception);
        return DestroyImage(image);
    }
    MagickSizeType length = 0;
    if (void* pixels = GetPixelCachePixels(image, &length, exception))
        preferHugePages(pixels, static_cast<std::size_t>(length));
    return image;
}

void attachProfile(Image* image, const char* name, std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return;
    StringInfo* profile = BlobToStringInfo(bytes.data(), bytes.size());
    if (!profile) return;
    SetImageProfile(image, name, profile);
    DestroyStringInfo(profile);
}


}  // namespace quorvel::converter
