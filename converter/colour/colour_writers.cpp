#include "colour/colour_writers.h"

#include <magick/MagickCore.h>

#include <array>
#include <string>

#include "colour/srgb_conversion.h"
#include "magick/wrapped_writers.h"

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

// With an ICC profile, the sRGB primaries and gamma ImageMagick would add contradict it. (The
// metadata writers leave out ImageMagick's text chunks; see metadata/metadata_writers.h.)
void withoutContradictingChunks(Image* image) {
    if (GetImageArtifact(image, "png:exclude-chunk")) return;  // the command chose
    if (GetImageProfile(image, "icc")) SetImageArtifact(image, "png:exclude-chunk", "cHRM,gAMA");
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

MagickBooleanType writeWithColourManaged(const ImageInfo* info, Image* image) {
    const WrappedWriter* writer =
        wrappedWriterFor(std::span<const WrappedWriter>(g_writers), info, image);
    if (!writer) return MagickFalse;
    for (Image* frame = image; frame; frame = GetNextImageInList(frame)) writer->prepare(frame);
    return writer->original(info, image);
}

}  // namespace

void manageColourInWrittenFiles() {
    wrapWriters(std::span<WrappedWriter>(g_writers), writeWithColourManaged);
}

}  // namespace quorvel::converter
