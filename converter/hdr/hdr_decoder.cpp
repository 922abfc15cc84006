#include "hdr/hdr_decoder.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "hdr/float_image.h"
#include "hdr/rgbe_reader.h"
#include "hdr/tone_map.h"
#include "magick/magick_image.h"

namespace quorvel::converter {
namespace {

Image* fail(ExceptionInfo* exception, const std::string& path, const std::string& reason) {
    ThrowMagickException(exception, GetMagickModule(), CorruptImageError,
                         "unable to decode Radiance HDR image", "`%s': %s", path.c_str(),
                         reason.c_str());
    return nullptr;
}

bool readWhole(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

}  // namespace

Image* readRadianceHdr(const ImageInfo* info, ExceptionInfo* exception) {
    const std::string path = info->filename;
    std::vector<std::uint8_t> bytes;
    if (!readWhole(path, bytes)) {
        ThrowMagickException(exception, GetMagickModule(), FileOpenError, "unable to open image",
                             "`%s'", path.c_str());
        return nullptr;
    }
    std::string problem;
    if (info->ping) {
        RgbeHeader header;
        if (!readRgbeHeader(bytes, header, problem)) return fail(exception, path, problem);
        return newImage(info, header.width, header.height, 16, exception);
    }
    FloatPicture picture;
    if (!readRgbe(bytes, picture, problem)) return fail(exception, path, problem);
    bytes = {};
    toneMapToSrgb(picture, chooseToneMapping(picture));
    return imageFromDisplayPicture(info, picture, exception);
}

void useOwnHdrReader() {
    ExceptionInfo* exception = AcquireExceptionInfo();
    // The format list hands out const entries; replacing the decoder in place keeps the
    // built-in coder's name, signature test and writer.
    if (auto* coder = const_cast<MagickInfo*>(GetMagickInfo("HDR", exception))) {
        coder->decoder = readRadianceHdr;
        coder->blob_support = MagickFalse;  // the reader opens the file by its name
    }
    DestroyExceptionInfo(exception);
}

}  // namespace quorvel::converter
