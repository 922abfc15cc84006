#include "metadata/exiv2_library.h"

#include <mutex>

namespace quorvel::converter {
namespace {

template <typename Source>
std::unique_ptr<Exiv2::Image> opened(const Source& source) {
    startExiv2();
    try {
        std::unique_ptr<Exiv2::Image> image(source().release());
        if (!image) return nullptr;
        image->readMetadata();
        return image;
    } catch (const std::exception&) {
        return nullptr;
    }
}

}  // namespace

void startExiv2() {
    static std::once_flag started;
    std::call_once(started, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize();
        // HEIF is read through exiv2's ISO media (BMFF) support, off unless asked for.
        Exiv2::enableBMFF(true);
    });
}

std::unique_ptr<Exiv2::Image> openMetadata(const std::string& path) {
    return opened([&] { return Exiv2::ImageFactory::open(path, false); });
}

std::unique_ptr<Exiv2::Image> openMetadata(std::span<const std::uint8_t> bytes) {
    return opened(
        [&] { return Exiv2::ImageFactory::open(bytes.data(), static_cast<long>(bytes.size())); });
}

}  // namespace quorvel::converter
