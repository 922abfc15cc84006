#include "colour/colour_writers.h"

#include <magick/MagickCore.h>

#include <array>
#include <string>
#include <vector>

#include "colour/srgb_conversion.h"

namespace quorvel::converter {
namespace {

using Preparation = void (*)(Image* image);

void toSrgb(Image* image) {
    std::string problem;
    if (!convertToSrgb(image, problem))
        ThrowMagickException(&image->exception, GetMagickModule(), CoderWarning,
                             "unable to convert the colours to sRGB", "`%s': %s",
                             image->filename, problem.c_str());
}

// Also left out: ImageMagick's text copies of the EXIF and ICC fields (about 45 tEXt chunks
// after the image data that repeat the eXIf chunk, which exiftool warns about) and the
// conversion's own date (tIME and date:* text), which is not the photo's.
void withoutContradictingChunks(Image* image) {
    if (GetImageArtifact(image, "png:exclude-chunk")) return;  // the command chose
    SetImageArtifact(image, "png:exclude-chunk",
                     GetImageProfile(image, "icc") ? "date,tIME,cHRM,gAMA" : "date,tIME");
    std::vector<std::string> copies;
    ResetImagePropertyIterator(image);
    for (const char* key = GetNextImageProperty(image); key; key = GetNextImageProperty(image))
        if (LocaleNCompare(key, "exif:", 5) == 0 || LocaleNCompare(key, "icc:", 4) == 0 ||
            LocaleCompare(key, "unknown") == 0)  // an EXIF tag ImageMagick has no name for
            copies.emplace_back(key);
    for (const std::string& key : copies) DeleteImageProperty(image, key.c_str());
}

struct WrappedWriter {
    const char* format;
    Preparation prepare;
    EncodeImageHandler* original = nullptr;
};

std::array<WrappedWriter, 14> g_writers = {{{"GIF", toSrgb},
                                            {"GIF87", toSrgb},
                                            {"BMP", toSrgb},
                                            {"BMP2", toSrgb},
                                            {"BMP3", toSrgb},
                                            {"PNG", withoutContradictingChunks},
                                            {"PNG8", withoutContradictingChunks},
                                            {"PNG24", withoutContradictingChunks},
                                            {"PNG32", withoutContradictingChunks},
                                            {"PNG48", withoutContradictingChunks},
                                            {"PNG64", withoutContradictingChunks},
                                            {"PNG00", withoutContradictingChunks},
                                            {"JNG", withoutContradictingChunks},
                                            {"MNG", withoutContradictingChunks}}};

const WrappedWriter* writerFor(const char* format) {
    for (const WrappedWriter& writer : g_writers)
        if (LocaleCompare(writer.format, format) == 0 && writer.original) return &writer;
    return nullptr;
}

MagickBooleanType writeWithColourManaged(const ImageInfo* info, Image* image) {
    const WrappedWriter* writer = writerFor(info->magick);
    if (!writer) writer = writerFor(image->magick);
    if (!writer) return MagickFalse;
    for (Image* frame = image; frame; frame = GetNextImageInList(frame)) writer->prepare(frame);
    return writer->original(info, image);
}

}  // namespace

void manageColourInWrittenFiles() {
    ExceptionInfo* exception = AcquireExceptionInfo();
    for (WrappedWriter& writer : g_writers) {
        // As for the EXIF-keeping writers: the format list hands out const entries.
        auto* coder = const_cast<MagickInfo*>(GetMagickInfo(writer.format, exception));
        if (!coder || !coder->encoder || coder->encoder == writeWithColourManaged) continue;
        writer.original = coder->encoder;
        coder->encoder = writeWithColourManaged;
    }
    DestroyExceptionInfo(exception);
}

}  // namespace quorvel::converter
