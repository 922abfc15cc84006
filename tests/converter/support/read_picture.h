#pragma once
// A written picture read back with ImageMagick (all its frames), freed with it.
#include <magick/MagickCore.h>

#include <filesystem>

namespace quorvel::converter::testing_support {

struct ReadPicture {
    explicit ReadPicture(const std::filesystem::path& path) {
        ImageInfo* info = AcquireImageInfo();
        ExceptionInfo* exception = AcquireExceptionInfo();
        CopyMagickString(info->filename, path.c_str(), MaxTextExtent);
        image = ReadImage(info, exception);
        DestroyExceptionInfo(exception);
        DestroyImageInfo(info);
    }
    ~ReadPicture() {
        if (image) DestroyImageList(image);
    }
    ReadPicture(const ReadPicture&) = delete;
    ReadPicture& operator=(const ReadPicture&) = delete;

    Image* image = nullptr;
};

}  // namespace quorvel::converter::testing_support
