#pragma once
// Owning handles for libheif and its objects.
#include <libheif/heif.h>

#include <memory>

namespace quorvel::converter {

// libheif's plugins (its decoders) are loaded between these two calls.
class HeifLibrary {
public:
    HeifLibrary() { heif_init(nullptr); }
    ~HeifLibrary() { heif_deinit(); }
    HeifLibrary(const HeifLibrary&) = delete;
    HeifLibrary& operator=(const HeifLibrary&) = delete;
};

struct HeifContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HeifHandleRelease {
    void operator()(const heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct HeifImageRelease {
    void operator()(const heif_image* image) const { heif_image_release(image); }
};
struct HeifOptionsFree {
    void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};

using HeifContext = std::unique_ptr<heif_context, HeifContextFree>;
using HeifHandle = std::unique_ptr<const heif_image_handle, HeifHandleRelease>;
using HeifImage = std::unique_ptr<const heif_image, HeifImageRelease>;
using HeifOptions = std::unique_ptr<heif_decoding_options, HeifOptionsFree>;

}  // namespace quorvel::converter
