#include "raw/raw_decoder.h"

#include <malloc.h>

#include <memory>

#include "magick/magick_image.h"
#include "metadata/photo_metadata.h"
#include "raw/half_size_policy.h"
#include "raw/libraw_session.h"
#include "raw/raw_exif.h"
#include "raw/raw_failure.h"
#include "raw/raw_orientation.h"
#include "raw/raw_transfer.h"
#include "raw/stderr_capture.h"

namespace quorvel::converter {
namespace {

Image* fail(ExceptionInfo* exception, const std::string& path, const std::string& reason,
            ExceptionType severity = CorruptImageError) {
    ThrowMagickException(exception, GetMagickModule(), severity, "unable to decode camera raw",
                         "`%s': %s", path.c_str(), reason.c_str());
    return nullptr;
}

const RawDecodeOptions* decodeOptions(const ImageInfo* info, ExceptionInfo* exception) {
    const MagickInfo* coder = GetMagickInfo(info->magick, exception);
    return coder ? static_cast<const RawDecodeOptions*>(coder->client_data) : nullptr;
}

bool halfSizeIsEnough(LibRawSession& raw, const RawDecodeOptions* options) {
    const libraw_image_sizes_t& sizes = raw.imgdata.sizes;
    // Only Bayer sensors halve cleanly; stretched or rotated sensor layouts keep full size.
    const bool bayer = raw.imgdata.idata.filters > 1000;
    if (!options || !options->resizeGeometry || !bayer || sizes.pixel_aspect != 1.0 ||
        raw.is_fuji_rotated())
        return false;
    const RawOrientation full(sizes.width, sizes.height, sizes.flip);
    const RawOrientation half((sizes.width + 1) / 2, (sizes.height + 1) / 2, sizes.flip);
    const auto size = [](const RawOrientation& o) {
        return PictureSize{static_cast<std::size_t>(o.uprightWidth()),
                           static_cast<std::size_t>(o.uprightHeight())};
    };
    return halfSizeSuffices(*options->resizeGeometry, size(full), size(half));
}

// LibRaw falls back to auto white balance when asked for the camera's and the file has none
// (a cast on a scene that is not grey on average); daylight is the better guess.
bool carriesWhiteBalance(const LibRawSession& raw) {
    const float* multipliers = raw.imgdata.color.cam_mul;
    return multipliers[0] > 0 && multipliers[1] > 0 && multipliers[2] > 0;
}

void configure(LibRawSession& raw, const RawDecodeOptions* options) {
    libraw_output_params_t& params = raw.imgdata.params;
    params.use_camera_wb = carriesWhiteBalance(raw) ? 1 : 0;
    params.output_color = 1;  // sRGB
    params.output_bps = 16;
    params.gamm[0] = 1 / 2.4;  // the sRGB transfer curve
    params.gamm[1] = 12.92;
    params.half_size = halfSizeIsEnough(raw, options) ? 1 : 0;
}

Image* uprightImage(const ImageInfo* info, const LibRawSession& raw, ExceptionInfo* exception) {
    const libraw_image_sizes_t& sizes = raw.imgdata.sizes;
    const RawOrientation orientation(sizes.width, sizes.height, sizes.flip);
    return newImage(info, orientation.uprightWidth(), orientation.uprightHeight(), 16, exception);
}

std::string firstLine(const std::string& text) {
    const std::string line = text.substr(0, text.find('\n'));
    return line.empty() ? line : " (" + line + ")";
}

// Unpacks and processes the raw; the reason it failed, or "" when the picture is ready in
// LibRaw's buffer.
std::string develop(LibRawSession& raw, const std::string& path) {
    if (raw.rawDataCutShort(path)) return "the file is truncated: its raw data is incomplete";
    StderrCapture libraryMessages;
    if (const int error = raw.unpack(); error != LIBRAW_SUCCESS)
        return describeRawFailure(RawStep::Unpack, error, path);
    if (raw.error_count() > 0 || raw.dataErrorSeen())
        return "the raw data is truncated or damaged" + firstLine(libraryMessages.finish());
    raw.releaseSensorDataDuringProcessing();
    const int error = raw.dcraw_process();
    const std::string messages = libraryMessages.finish();
    if (error != LIBRAW_SUCCESS) return describeRawFailure(RawStep::Process, error, path);
    // A decoder library that complained (libjpeg for lossy DNG) met damaged data.
    if (!messages.empty()) return "the raw data is truncated or damaged" + firstLine(messages);
    return {};
}

Image* decode(LibRawSession& raw, const ImageInfo* info, const std::string& path,
              ExceptionInfo* exception) {
    if (const std::string failure = develop(raw, path); !failure.empty())
        return fail(exception, path, failure);
    raw.releaseSensorData();
    Image* image = uprightImage(info, raw, exception);
    if (image && !transferProcessedPicture(raw, image, exception)) image = DestroyImage(image);
    return image;
}

}  // namespace

Image* readCameraRaw(const ImageInfo* info, ExceptionInfo* exception) {
    const std::string path = info->filename;
    // LibRaw holds large tables in the object itself: keep it off the stack.
    auto raw = std::make_unique<LibRawSession>();
    if (const int error = raw->open_file(path.c_str()); error != LIBRAW_SUCCESS)
        return fail(exception, path, describeRawFailure(RawStep::Open, error, path), CoderError);
    configure(*raw, decodeOptions(info, exception));
    Image* image =
        info->ping ? uprightImage(info, *raw, exception) : decode(*raw, info, path, exception);
    // exiv2 opens the file a second time: a ping (the size check before every conversion)
    // needs no metadata.
    if (image && !info->ping) {
        PhotoMetadata metadata = metadataOfFile(path);
        fillFromLibRaw(metadata.exif, raw->imgdata);
        markUpright(metadata);
        attachMetadata(image, metadata);
    }
    raw.reset();
    // LibRaw's worker threads leave freed buffers in their malloc arenas; hand them back
    // before ImageMagick needs memory for the output.
    malloc_trim(0);
    return image;
}

}  // namespace quorvel::converter
