#include "picture_facts.h"

#include <magick/MagickCore.h>

namespace quorvel::converter::testing_support {
namespace {

std::string property(Image* image, const char* name) {
    const char* value = GetImageProperty(image, name);
    return value ? value : "";
}

}  // namespace

std::optional<PictureFacts> inspectPicture(const std::filesystem::path& path) {
    ImageInfo* info = AcquireImageInfo();
    ExceptionInfo* exception = AcquireExceptionInfo();
    CopyMagickString(info->filename, path.c_str(), MaxTextExtent);
    Image* image = ReadImage(info, exception);
    std::optional<PictureFacts> facts;
    if (image) {
        facts.emplace();
        facts->format = image->magick;
        facts->width = image->columns;
        facts->height = image->rows;
        facts->depth = image->depth;
        double mean = 0, deviation = 0;
        GetImageChannelMean(image, CompositeChannels, &mean, &deviation, exception);
        facts->mean = mean / QuantumRange;
        facts->deviation = deviation / QuantumRange;
        facts->exifOrientation = property(image, "exif:Orientation");
        DestroyImageList(image);
    }
    DestroyExceptionInfo(exception);
    DestroyImageInfo(info);
    return facts;
}

}  // namespace quorvel::converter::testing_support
