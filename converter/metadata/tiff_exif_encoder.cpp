#include "metadata/tiff_exif_encoder.h"

#include <magick/MagickCore.h>
#include <sys/stat.h>

#include <array>
#include <cstring>
#include <string>

#include "metadata/exif_codec.h"
#include "metadata/tiff_exif_writer.h"

namespace quorvel::converter {
namespace {

struct WrappedWriter {
    const char* format;
    EncodeImageHandler* original = nullptr;
};

std::array<WrappedWriter, 3> g_writers = {{{"TIFF"}, {"TIF"}, {"TIFF64"}}};

EncodeImageHandler* originalWriter(const char* format) {
    for (const WrappedWriter& writer : g_writers)
        if (LocaleCompare(writer.format, format) == 0 && writer.original) return writer.original;
    return g_writers[0].original;
}

bool isRegularFile(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

void addExif(Image* image) {
    const StringInfo* profile = GetImageProfile(image, "exif");
    if (!profile || !isRegularFile(image->filename)) return;
    const auto exif = parseExif({GetStringInfoDatum(profile), GetStringInfoLength(profile)});
    std::string problem;
    if (exif && !exif->empty() && !addExifToTiff(image->filename, *exif, problem))
        ThrowMagickException(&image->exception, GetMagickModule(), CoderWarning,
                             "unable to keep the EXIF metadata", "`%s': %s", image->filename,
                             problem.c_str());
}

MagickBooleanType writeTiffWithExif(const ImageInfo* info, Image* image) {
    EncodeImageHandler* original = originalWriter(info->magick);
    if (!original) return MagickFalse;
    const MagickBooleanType written = original(info, image);
    if (written == MagickTrue) addExif(image);
    return written;
}

}  // namespace

void keepExifInTiffOutputs() {
    ExceptionInfo* exception = AcquireExceptionInfo();
    for (WrappedWriter& writer : g_writers) {
        // The format list hands out const entries; replacing the writer in place is the one
        // way to extend a built-in coder without re-registering (and re-owning) it.
        auto* coder = const_cast<MagickInfo*>(GetMagickInfo(writer.format, exception));
        if (!coder || !coder->encoder || coder->encoder == writeTiffWithExif) continue;
        writer.original = coder->encoder;
        coder->encoder = writeTiffWithExif;
    }
    DestroyExceptionInfo(exception);
}

}  // namespace quorvel::converter
