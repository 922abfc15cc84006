#include "magick/magick_coders.h"

#include <magick/MagickCore.h>

#include "colour/colour_writers.h"
#include "exiv2/jpeg_exif_writers.h"
#include "hdr/hdr_decoder.h"
#include "heif/heif_decoder.h"
#include "metadata/exif_keeping_writers.h"

namespace quorvel::converter {
namespace {

void registerReader(const char* name, const char* description, DecodeImageHandler* reader,
                    const void* clientData) {
    MagickInfo* entry = SetMagickInfo(name);
    entry->decoder = reader;
    entry->description = ConstantString(description);
    entry->magick_module = ConstantString(name);
    entry->client_data = const_cast<void*>(clientData);
    // The readers open the file themselves (LibRaw and libheif take a path), and the format
    // is only ever chosen by its explicit prefix, never by guessing from the content.
    entry->blob_support = MagickFalse;
    entry->seekable_stream = MagickTrue;
    entry->adjoin = MagickFalse;
    entry->format_type = ExplicitFormatType;
    RegisterMagickInfo(entry);
}

}  // namespace

void registerCoders(const RawDecodeOptions& options) {
    registerReader(kRawCoder, "Camera raw, decoded by LibRaw", readCameraRaw, &options);
    registerReader(kHeifCoder, "HEIF/HEIC, decoded by libheif", readHeif, nullptr);
    useOwnHdrReader();
    keepExifInWrittenFiles();
    manageColourInWrittenFiles();
    fitExifInWrittenJpegs();
}

}  // namespace quorvel::converter
