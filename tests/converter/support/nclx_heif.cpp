#include "nclx_heif.h"

#include <libheif/heif.h>

#include <array>
#include <cstdint>

namespace quorvel::converter::testing_support {
namespace {

constexpr int kSide = 64;
constexpr std::array<std::array<std::uint8_t, 3>, 4> kBands = {
    {{230, 30, 30}, {30, 200, 40}, {30, 40, 220}, {128, 128, 128}}};

void paint(heif_image* image) {
    int stride = 0;
    std::uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            for (int c = 0; c < 3; ++c)
                plane[y * stride + x * 3 + c] = kBands[y / (kSide / 4)][c];
}

}  // namespace

// libheif before 1.17.6 leaks x265's parameter blocks on every encode (libheif issues 940
// and 960, fixed by its pull request 1061); LeakSanitizer would fail the whole test program.
extern "C" const char* __lsan_default_suppressions() { return "leak:x265::x265_malloc\n"; }

std::string writeNclxHeif(const std::filesystem::path& path, int primaries, int transfer) {
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_image* image = nullptr;
    heif_error error =
        heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder);
    if (error.code == heif_error_Ok)
        error = heif_image_create(kSide, kSide, heif_colorspace_RGB,
                                  heif_chroma_interleaved_RGB, &image);
    if (error.code == heif_error_Ok) {
        heif_image_add_plane(image, heif_channel_interleaved, kSide, kSide, 8);
        paint(image);
        heif_color_profile_nclx* nclx = heif_nclx_color_profile_alloc();
        heif_nclx_color_profile_set_color_primaries(nclx, static_cast<std::uint16_t>(primaries));
        heif_nclx_color_profile_set_transfer_characteristics(
            nclx, static_cast<std::uint16_t>(transfer));
        heif_image_set_nclx_color_profile(image, nclx);
        heif_nclx_color_profile_free(nclx);
        heif_encoder_set_lossy_quality(encoder, 95);
        heif_encoding_options* options = heif_encoding_options_alloc();
        // Without this libheif leaves the colr box out, for an old iOS that refused it.
        options->macOS_compatibility_workaround_no_nclx_profile = 0;
        error = heif_context_encode_image(context, image, encoder, options, nullptr);
        heif_encoding_options_free(options);
    }
    if (error.code == heif_error_Ok) error = heif_context_write_to_file(context, path.c_str());
    const std::string message = error.code == heif_error_Ok ? "" : error.message;
    if (image) heif_image_release(image);
    if (encoder) heif_encoder_release(encoder);
    heif_context_free(context);
    return message;
}

}  // namespace quorvel::converter::testing_support
