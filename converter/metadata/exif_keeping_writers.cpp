#include "metadata/exif_keeping_writers.h"

#include <magick/MagickCore.h>
#include <sys/stat.h>

#include <array>
#include <string>

#include "metadata/exif_codec.h"
#include "metadata/png_exif_order.h"
#include "metadata/tiff_exif_writer.h"

namespace quorvel::converter {
namespace {

using FixUp = bool (*)(Image* image, const StringInfo& exif, std::string& problem);

bool addToTiff(Image* image, const StringInfo& exif, std::string& problem) {
    const auto data = parseExif({GetStringInfoDatum(&exif), GetStringInfoLength(&exif)});
    return !data || data->empty() || addExifToTiff(image->filename, *data, problem);
}

bool moveInPng(Image* image, const StringInfo&, std::string& problem) {
    return moveExifBeforeImageData(image->filename, problem);
}

struct WrappedWriter {
    const char* format;
    FixUp fixUp;
    EncodeImageHandler* original = nullptr;
};

std::array<WrappedWriter, 10> g_writers = {{{"TIFF", addToTiff},
                                            {"TIF", addToTiff},
                                            {"TIFF64", addToTiff},
                                            {"PNG", moveInPng},
                                            {"PNG8", moveInPng},
                                            {"PNG24", moveInPng},
                                            {"PNG32", moveInPng},
                                            {"PNG48", moveInPng},
                                            {"PNG64", moveInPng},
                                            {"PNG00", moveInPng}}};

const WrappedWriter* writerFor(const char* format) {
    for (const WrappedWriter& writer : g_writers)
        if (LocaleCompare(writer.format, format) == 0 && writer.original) return &writer;
    return nullptr;
}

bool isRegularFile(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

MagickBooleanType writeKeepingExif(const ImageInfo* info, Image* image) {
    const WrappedWriter* writer = writerFor(info->magick);
    if (!writer) writer = writerFor(image->magick);
    if (!writer) return MagickFalse;
    const MagickBooleanType written = writer->original(info, image);
    const StringInfo* exif = GetImageProfile(image, "exif");
    std::string problem;
    if (written == MagickTrue && exif && isRegularFile(image->filename) &&
        !writer->fixUp(image, *exif, problem))
        ThrowMagickException(&image->exception, GetMagickModule(), CoderWarning,
                             "unable to keep the EXIF metadata", "`%s': %s", image->filename,
                             problem.c_str());
    return written;
}

}  // namespace

void keepExifInWrittenFiles() {
    ExceptionInfo* exception = AcquireExceptionInfo();
    for (WrappedWriter& writer : g_writers) {
        // The format list hands out const entries; replacing the writer in place is the one
        // way to extend a built-in coder without re-registering (and re-owning) it.
        auto* coder = const_cast<MagickInfo*>(GetMagickInfo(writer.format, exception));
        if (!coder || !coder->encoder || coder->encoder == writeKeepingExif) continue;
        writer.original = coder->encoder;
        coder->encoder = writeKeepingExif;
    }
    DestroyExceptionInfo(exception);
}

}  // namespace quorvel::converter
