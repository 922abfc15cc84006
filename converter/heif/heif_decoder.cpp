#include "heif/heif_decoder.h"

#include <memory>
#include <string>
#include <thread>

#include "heif/heif_handles.h"
#include "heif/heif_hdr.h"
#include "heif/heif_metadata.h"
#include "heif/heif_rgb.h"
#include "magick/magick_image.h"
#include "metadata/photo_metadata.h"

namespace quorvel::converter {
namespace {

Image* fail(ExceptionInfo* exception, const std::string& path, const std::string& reason) {
    ThrowMagickException(exception, GetMagickModule(), CorruptImageError,
                         "unable to decode HEIF image", "`%s': %s", path.c_str(), reason.c_str());
    return nullptr;
}

struct Layout {
    bool alpha = false;
    bool deep = false;  // more than 8 bits per sample
    std::size_t depth() const { return deep ? 16 : 8; }
};

HeifImage decode(const heif_image_handle* handle, heif_chroma chroma, heif_error& error) {
    HeifOptions options(heif_decoding_options_alloc());
    options->strict_decoding = 1;  // a damaged file fails rather than decoding in part
    heif_image* decoded = nullptr;
    error = heif_decode_image(handle, &decoded, heif_colorspace_RGB, chroma, options.get());
    return HeifImage(decoded);
}

Image* fromRgb(const heif_image_handle* handle, const Layout& layout, const ImageInfo* info,
               const std::string& path, ExceptionInfo* exception) {
    heif_error error{};
    const HeifImage decoded = decode(handle, interleavedChroma(layout.alpha, layout.deep), error);
    if (error.code != heif_error_Ok) return fail(exception, path, error.message);
    Image* image = newImage(info, heif_image_get_width(decoded.get(), heif_channel_interleaved),
                            heif_image_get_height(decoded.get(), heif_channel_interleaved),
                            layout.depth(), exception);
    if (!image) return nullptr;
    image->matte = layout.alpha ? MagickTrue : MagickFalse;
    if (!copyInterleavedRgb(decoded.get(), layout.alpha, image, exception)) {
        DestroyImage(image);
        return fail(exception, path, "the decoded picture could not be read");
    }
    return image;
}

Image* pictureOf(const heif_image_handle* handle, const ImageInfo* info, const std::string& path,
                 ExceptionInfo* exception) {
    const Layout layout{heif_image_handle_has_alpha_channel(handle) != 0,
                        heif_image_handle_get_luma_bits_per_pixel(handle) > 8};
    if (info->ping)
        return newImage(info, heif_image_handle_get_width(handle),
                        heif_image_handle_get_height(handle), layout.depth(), exception);
    if (hasHdrTransfer(handle)) return readHdrHeif(handle, info, path, exception);
    return fromRgb(handle, layout, info, path, exception);
}

}  // namespace

Image* readHeif(const ImageInfo* info, ExceptionInfo* exception) {
    // Started on first use: a run without HEIF input never loads libheif's decoder plugins.
    static const HeifLibrary library;
    const std::string path = info->filename;
    HeifContext context(heif_context_alloc());
    heif_context_set_max_decoding_threads(
        context.get(), static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
    heif_error error = heif_context_read_from_file(context.get(), path.c_str(), nullptr);
    if (error.code != heif_error_Ok) return fail(exception, path, error.message);
    heif_image_handle* primary = nullptr;
    error = heif_context_get_primary_image_handle(context.get(), &primary);
    if (error.code != heif_error_Ok) return fail(exception, path, error.message);
    const HeifHandle handle(primary);
    Image* image = pictureOf(handle.get(), info, path, exception);
    if (!image) return nullptr;
    // The container's transformations are applied: the EXIF orientation no longer holds.
    image->orientation = TopLeftOrientation;
    attachProfile(image, "icc", heifIccProfile(handle.get()));
    PhotoMetadata metadata = heifMetadata(handle.get());
    markUpright(metadata);
    attachMetadata(image, metadata);
    return image;
}

}  // namespace quorvel::converter
