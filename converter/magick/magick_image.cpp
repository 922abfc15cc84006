#include "magick/magick_image.h"

#include <vector>

#include "memory/huge_pages.h"
#include "metadata/exif_codec.h"

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

void attachExif(Image* image, std::span<const std::uint8_t> tiffStructure) {
    std::vector<std::uint8_t> block(std::begin(kExifHeader), std::end(kExifHeader));
    block.insert(block.end(), tiffStructure.begin(), tiffStructure.end());
    attachProfile(image, "exif", block);
}

}  // namespace quorvel::converter
