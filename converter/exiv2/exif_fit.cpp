#include "exiv2/exif_fit.h"

#include <exiv2/exiv2.hpp>

#include <cstring>
#include <functional>

namespace quorvel::converter {
namespace {

constexpr std::size_t kHeader = 6;  // "Exif\0\0"
constexpr long kLargeTag = 4096;

using Removal = std::function<bool(const Exiv2::Exifdatum&)>;

bool isThumbnail(const Exiv2::Exifdatum& datum) { return datum.groupName() == "Thumbnail"; }

bool isLarge(const Exiv2::Exifdatum& datum) {
    return datum.size() > kLargeTag && !Exiv2::ExifTags::isMakerGroup(datum.groupName()) &&
           datum.key() != "Exif.Photo.MakerNote";
}

bool isMakerNote(const Exiv2::Exifdatum& datum) {
    return Exiv2::ExifTags::isMakerGroup(datum.groupName()) ||
           datum.key().rfind("Exif.MakerNote.", 0) == 0 || datum.key() == "Exif.Photo.MakerNote";
}

void eraseIf(Exiv2::ExifData& exif, const Removal& removal) {
    for (auto it = exif.begin(); it != exif.end();) it = removal(*it) ? exif.erase(it) : ++it;
}

std::vector<std::uint8_t> encoded(const Exiv2::ExifData& exif, Exiv2::ByteOrder order) {
    Exiv2::Blob blob;
    Exiv2::ExifParser::encode(blob, order, exif);
    std::vector<std::uint8_t> profile = {'E', 'x', 'i', 'f', 0, 0};
    profile.insert(profile.end(), blob.begin(), blob.end());
    return profile;
}

}  // namespace

std::vector<std::uint8_t> fitExifIntoJpeg(std::span<const std::uint8_t> profile) {
    if (profile.size() <= kJpegExifLimit) return {profile.begin(), profile.end()};
    if (profile.size() <= kHeader || std::memcmp(profile.data(), "Exif\0\0", kHeader) != 0)
        return {};
    try {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::ExifData exif;
        const Exiv2::ByteOrder order = Exiv2::ExifParser::decode(
            exif, profile.data() + kHeader, static_cast<std::uint32_t>(profile.size() - kHeader));
        for (const Removal& removal : {Removal(isThumbnail), Removal(isLarge), Removal(isMakerNote)}) {
            eraseIf(exif, removal);
            std::vector<std::uint8_t> fitted = encoded(exif, order);
            if (fitted.size() <= kJpegExifLimit) return fitted;
        }
    } catch (const Exiv2::AnyError&) {
    }
    return {};
}

}  // namespace quorvel::converter
