#include "heif/heif_decoder.h"

#include <string>
#include <thread>

#include "heif/heif_handles.h"
#include "heif/heif_metadata.h"
#include "magick/magick_image.h"

namespace quorvel::converter {
namespace {

Image* fail(ExceptionInfo* exception, const std::string& path, const std::string& reason) {
    ThrowMagickException(exception, GetMagickModule(), CorruptImageError,
                         "unable to decode HEIF image", "`%s': %s", path.c_str(),
                         reason.c_str());
    return nullptr;
}

struct Layout {
    bool alpha = false;
    bool deep = false;  // more than 8 bits per sample, stored in 16-bit words
    heif_chroma chroma() const {
        if (deep) return alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE;
        return alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB;
    }
    int channels() const { return alpha ? 4 : 3; }
};

class SampleScale {
public:
    SampleScale(bool deep, int bits) : m_deep(deep), m_max((1u << bits) - 1) {}

    Quantum at(const std::uint8_t* row, int index) const {
        if (!m_deep) return quantumFrom8(row[index]);
        const unsigned value = row[2 * index] | row[2 * index + 1] << 8;
        return quantumFrom16(static_cast<unsigned short>(
            (std::min(value, m_max) * 65535u + m_max / 2) / m_max));
    }

private:
    bool m_deep;
    unsigned m_max;
};

bool copyRows(const heif_image* decoded, const Layout& layout, Image* image,
              ExceptionInfo* exception) {
    int stride = 0;
    const std::uint8_t* plane = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int bits = heif_image_get_bits_per_pixel_range(decoded, heif_channel_interleaved);
    if (!plane || bits <= 0 || bits > 16) return false;
    const SampleScale scale(layout.deep, bits);
    const int channels = layout.channels();
    for (std::size_t y = 0; y < image->rows; ++y) {
        PixelPacket* q = QueueAuthenticPixels(image, 0, static_cast<ssize_t>(y), image->columns, 1, exception);
        if (!q) return false;
        const std::uint8_t* row = plane + y * static_cast<std::size_t>(stride);
        for (std::size_t x = 0; x < image->columns; ++x, ++q) {
            const int at = static_cast<int>(x) * channels;
            SetPixelRed(q, scale.at(row, at));
            SetPixelGreen(q, scale.at(row, at + 1));
            SetPixelBlue(q, scale.at(row, at + 2));
            SetPixelAlpha(q, layout.alpha ? scale.at(row, at + 3) : QuantumRange);
        }
        if (SyncAuthenticPixels(image, exception) == MagickFalse) return false;
    }
    return true;
}

HeifImage decodePrimary(const heif_image_handle* handle, const Layout& layout,
                        heif_error& error) {
    HeifOptions options(heif_decoding_options_alloc());
    options->strict_decoding = 1;  // a damaged file fails rather than decoding in part
    heif_image* decoded = nullptr;
    error = heif_decode_image(handle, &decoded, heif_colorspace_RGB, layout.chroma(),
                              options.get());
    return HeifImage(decoded);
}

Image* pictureOf(const heif_image_handle* handle, const ImageInfo* info,
                 const std::string& path, ExceptionInfo* exception) {
    const Layout layout{heif_image_handle_has_alpha_channel(handle) != 0,
                        heif_image_handle_get_luma_bits_per_pixel(handle) > 8};
    if (info->ping)
        return newImage(info, heif_image_handle_get_width(handle),
                        heif_image_handle_get_height(handle), layout.deep ? 16 : 8, exception);
    heif_error error{};
    const HeifImage decoded = decodePrimary(handle, layout, error);
    if (error.code != heif_error_Ok) return fail(exception, path, error.message);
    Image* image = newImage(info, heif_image_get_width(decoded.get(), heif_channel_interleaved),
                            heif_image_get_height(decoded.get(), heif_channel_interleaved),
                            layout.deep ? 16 : 8, exception);
    if (!image) return nullptr;
    image->matte = layout.alpha ? MagickTrue : MagickFalse;
    if (!copyRows(decoded.get(), layout, image, exception)) {
        DestroyImage(image);
        return fail(exception, path, "the decoded picture could not be read");
    }
    return image;
}

}  // namespace

Image* readHeif(const ImageInfo* info, ExceptionInfo* exception) {
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
    if (const auto exif = heifExif(handle.get()); !exif.empty()) attachExif(image, exif);
    return image;
}

}  // namespace quorvel::converter
