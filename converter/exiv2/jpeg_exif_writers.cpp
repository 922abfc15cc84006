#include "exiv2/jpeg_exif_writers.h"

#include <magick/MagickCore.h>

#include <array>

#include "exiv2/exif_fit.h"
#include "magick/magick_image.h"

namespace quorvel::converter {
namespace {

struct WrappedWriter {
    const char* format;
    EncodeImageHandler* original = nullptr;
};

std::array<WrappedWriter, 3> g_writers = {{{"JPEG"}, {"JPG"}, {"JPE"}}};

void fitExif(Image* image) {
    const StringInfo* exif = GetImageProfile(image, "exif");
    if (!exif || GetStringInfoLength(exif) <= kJpegExifLimit) return;
    const auto fitted = fitExifIntoJpeg({GetStringInfoDatum(exif), GetStringInfoLength(exif)});
    if (fitted.empty()) {
        DeleteImageProfile(image, "exif");
        ThrowMagickException(&image->exception, GetMagickModule(), CoderWarning,
                             "the EXIF metadata is too large for a JPEG file and is left out",
                             "`%s'", image->filename);
        return;
    }
    attachProfile(image, "exif", fitted);
}

MagickBooleanType writeWithFittedExif(const ImageInfo* info, Image* image) {
    for (const WrappedWriter& writer : g_writers) {
        if (!writer.original || (LocaleCompare(writer.format, info->magick) != 0 &&
                                 LocaleCompare(writer.format, image->magick) != 0))
            continue;
        for (Image* frame = image; frame; frame = GetNextImageInList(frame)) fitExif(frame);
        return writer.original(info, image);
    }
    return MagickFalse;
}

}  // namespace

void fitExifInWrittenJpegs() {
    ExceptionInfo* exception = AcquireExceptionInfo();
    for (WrappedWriter& writer : g_writers) {
        // As for the other wrapped writers: the format list hands out const entries.
        auto* coder = const_cast<MagickInfo*>(GetMagickInfo(writer.format, exception));
        if (!coder || !coder->encoder || coder->encoder == writeWithFittedExif) continue;
        writer.original = coder->encoder;
        coder->encoder = writeWithFittedExif;
    }
    DestroyExceptionInfo(exception);
}

}  // namespace quorvel::converter
