#include "heif/heif_hdr.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "colour/nclx_profile.h"
#include "hdr/float_image.h"
#include "hdr/tone_map.h"
#include "heif/heif_handles.h"
#include "heif/heif_rgb.h"

namespace quorvel::converter {
namespace {

NclxTransfer transferOf(const heif_image_handle* handle) {
    heif_color_profile_nclx* nclx = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &nclx).code != heif_error_Ok)
        return NclxTransfer::Display;
    const NclxTransfer transfer = nclxTransfer(*nclx);
    heif_nclx_color_profile_free(nclx);
    return transfer;
}

// SMPTE ST 2084: code value to light, relative to 10,000 cd/m².
float pqToLight(float value) {
    constexpr float m1 = 2610.0f / 16384, m2 = 2523.0f / 4096 * 128;
    constexpr float c1 = 3424.0f / 4096, c2 = 2413.0f / 4096 * 32, c3 = 2392.0f / 4096 * 32;
    const float e = std::pow(std::clamp(value, 0.0f, 1.0f), 1 / m2);
    return std::pow(std::max(e - c1, 0.0f) / (c2 - c3 * e), 1 / m1);
}

// ARIB STD-B67 (HLG): code value to scene light, 0..1.
float hlgToLight(float value) {
    constexpr float a = 0.17883277f, b = 0.28466892f, c = 0.55991073f;
    value = std::clamp(value, 0.0f, 1.0f);
    return value <= 0.5f ? value * value / 3 : (std::exp((value - c) / a) + b) / 12;
}

Image* fail(ExceptionInfo* exception, const std::string& path, const std::string& reason) {
    ThrowMagickException(exception, GetMagickModule(), CorruptImageError,
                         "unable to decode HEIF image", "`%s': %s", path.c_str(), reason.c_str());
    return nullptr;
}

bool sceneLight(const heif_image* decoded, NclxTransfer transfer, FloatPicture& picture) {
    int stride = 0;
    const std::uint8_t* plane =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int bits = heif_image_get_bits_per_pixel_range(decoded, heif_channel_interleaved);
    if (!plane || bits < 8 || bits > 16) return false;
    picture.width = static_cast<std::size_t>(heif_image_get_width(decoded, heif_channel_interleaved));
    picture.height =
        static_cast<std::size_t>(heif_image_get_height(decoded, heif_channel_interleaved));
    picture.rgb.resize(picture.width * picture.height * 3);
    const float max = static_cast<float>((1u << bits) - 1);
    const auto toLight = transfer == NclxTransfer::Pq ? pqToLight : hlgToLight;
    for (std::size_t y = 0; y < picture.height; ++y) {
        const std::uint8_t* row = plane + y * static_cast<std::size_t>(stride);
        float* out = picture.rgb.data() + y * picture.width * 3;
        for (std::size_t i = 0; i < picture.width * 3; ++i) {
            const unsigned code = bits == 8 ? row[i] : (row[2 * i] | row[2 * i + 1] << 8);
            out[i] = toLight(static_cast<float>(code) / max);
        }
    }
    return true;
}

}  // namespace

bool hasHdrTransfer(const heif_image_handle* handle) {
    return transferOf(handle) != NclxTransfer::Display &&
           !heif_image_handle_has_alpha_channel(handle);
}

Image* readHdrHeif(const heif_image_handle* handle, const ImageInfo* info,
                   const std::string& path, ExceptionInfo* exception) {
    const bool deep = heif_image_handle_get_luma_bits_per_pixel(handle) > 8;
    HeifOptions options(heif_decoding_options_alloc());
    options->strict_decoding = 1;
    heif_image* decoded = nullptr;
    const heif_error error = heif_decode_image(handle, &decoded, heif_colorspace_RGB,
                                               interleavedChroma(false, deep), options.get());
    const HeifImage image(decoded);
    if (error.code != heif_error_Ok) return fail(exception, path, error.message);
    FloatPicture picture;
    if (!sceneLight(image.get(), transferOf(handle), picture))
        return fail(exception, path, "the decoded picture could not be read");
    toneMapToSrgb(picture, chooseToneMapping(picture));
    return imageFromDisplayPicture(info, picture, exception);
}

}  // namespace quorvel::converter
