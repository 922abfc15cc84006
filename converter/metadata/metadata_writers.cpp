#include "metadata/metadata_writers.h"

#include <magick/MagickCore.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>
#include <optional>
#include <string>

#include "magick/wrapped_writers.h"
#include "metadata/exiv2_library.h"
#include "metadata/metadata_file_writer.h"
#include "metadata/output_metadata.h"

namespace quorvel::converter {
namespace {

struct WrappedWriter {
    const char* format;
    MetadataFormat metadata;
    EncodeImageHandler* original = nullptr;
};

std::array<WrappedWriter, 13> g_writers = {{{"JPEG", MetadataFormat::Jpeg},
                                            {"JPG", MetadataFormat::Jpeg},
                                            {"JPE", MetadataFormat::Jpeg},
                                            {"TIFF", MetadataFormat::Tiff},
                                            {"TIF", MetadataFormat::Tiff},
                                            {"TIFF64", MetadataFormat::Tiff},
                                            {"PNG", MetadataFormat::Png},
                                            {"PNG8", MetadataFormat::Png},
                                            {"PNG24", MetadataFormat::Png},
                                            {"PNG32", MetadataFormat::Png},
                                            {"PNG48", MetadataFormat::Png},
                                            {"PNG64", MetadataFormat::Png},
                                            {"PNG00", MetadataFormat::Png}}};

bool isRegularFile(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

// The file a picture was read from: its name as given to ImageMagick, less the format prefix
// ("PNG:") the converter routes inputs with.
std::optional<std::string> sourceFile(const std::string& name) {
    if (isRegularFile(name.c_str())) return name;
    const auto colon = name.find(':');
    const bool prefixed = colon != std::string::npos && colon > 0 &&
                          std::all_of(name.begin(), name.begin() + static_cast<long>(colon),
                                      [](unsigned char c) { return std::isalnum(c); });
    if (prefixed && isRegularFile(name.c_str() + colon + 1)) return name.substr(colon + 1);
    return std::nullopt;
}

int exifOrientation(OrientationType orientation) {
    return orientation >= TopLeftOrientation && orientation <= LeftBottomOrientation
               ? static_cast<int>(orientation)
               : 1;
}

struct ImageInfoDeleter {
    void operator()(ImageInfo* info) const { DestroyImageInfo(info); }
};

// ImageMagick's PNG writer adds chunks of its own: the conversion's dates and time, and its old
// text form of the EXIF. None of them is the photo's. (Excluding tEXt and zTXt together would
// also drop the ICC profile.) Its writer prefers this option to the picture's artifact, so both
// join in.
std::unique_ptr<ImageInfo, ImageInfoDeleter> withoutPngTextChunks(const ImageInfo* info,
                                                                  const Image* image) {
    std::unique_ptr<ImageInfo, ImageInfoDeleter> clone(CloneImageInfo(info));
    std::string chunks;
    for (const char* excluded :
         {GetImageOption(info, "png:exclude-chunk"), GetImageArtifact(image, "png:exclude-chunk")})
        if (excluded && *excluded) chunks += std::string(excluded) + ",";
    chunks += "date,tIME,EXIF";
    SetImageOption(clone.get(), "png:exclude-chunk", chunks.c_str());
    return clone;
}

MagickBooleanType writeWithMetadata(const ImageInfo* info, Image* image) {
    const WrappedWriter* writer =
        wrappedWriterFor(std::span<const WrappedWriter>(g_writers), info, image);
    if (!writer) return MagickFalse;
    PhotoMetadata metadata = metadataOfPicture(image);
    // ImageMagick's PNG and TIFF readers keep no EXIF profile: exiv2 reads such a source itself.
    if (metadata.empty())
        if (const auto source = sourceFile(image->magick_filename))
            metadata = metadataOfFile(*source);
    prepareForOutput(metadata, exifOrientation(image->orientation), image->columns, image->rows);
    detachMetadata(image);
    const MagickBooleanType written = writer->original(
        writer->metadata == MetadataFormat::Png ? withoutPngTextChunks(info, image).get() : info,
        image);
    std::string problem;
    if (written == MagickTrue && !metadata.empty() && isRegularFile(image->filename) &&
        !writeMetadataInto(image->filename, writer->metadata, metadata, problem))
        ThrowMagickException(&image->exception, GetMagickModule(), CoderWarning,
                             "unable to keep the photo's metadata", "%s", problem.c_str());
    return written;
}

}  // namespace

void writeMetadataWithPictures() {
    startExiv2();
    wrapWriters(std::span<WrappedWriter>(g_writers), writeWithMetadata);
}

}  // namespace quorvel::converter
