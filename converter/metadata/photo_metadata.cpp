#include "metadata/photo_metadata.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "metadata/exiv2_library.h"

namespace quorvel::converter {
namespace {

// ImageMagick's "exif" profile starts with the header of JPEG's APP1 segment.
constexpr char kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};

std::span<const std::uint8_t> profileBytes(const Image* image, const char* name) {
    const StringInfo* profile = GetImageProfile(image, name);
    if (!profile) return {};
    return {GetStringInfoDatum(profile), GetStringInfoLength(profile)};
}

void setProfile(Image* image, const char* name, const void* data, std::size_t size) {
    DeleteImageProfile(image, name);
    if (size == 0) return;
    if (StringInfo* profile = BlobToStringInfo(data, size)) {
        SetImageProfile(image, name, profile);
        DestroyStringInfo(profile);
    }
}

Exiv2::ExifData decodeExif(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 6 && std::memcmp(bytes.data(), kExifHeader, 6) == 0)
        bytes = bytes.subspan(6);
    Exiv2::ExifData exif;
    try {
        if (!bytes.empty())
            Exiv2::ExifParser::decode(exif, bytes.data(),
                                      static_cast<std::uint32_t>(bytes.size()));
    } catch (const std::exception&) {
        exif.clear();
    }
    return exif;
}

Exiv2::IptcData decodeIptc(std::span<const std::uint8_t> bytes) {
    Exiv2::IptcData iptc;
    try {
        if (!bytes.empty() && Exiv2::IptcParser::decode(iptc, bytes.data(),
                                                        static_cast<std::uint32_t>(bytes.size())))
            iptc.clear();
    } catch (const std::exception&) {
        iptc.clear();
    }
    return iptc;
}

// IPTC inside Photoshop's resource block, where ImageMagick leaves it when it keeps no separate
// "iptc" profile.
Exiv2::IptcData iptcOfResources(std::span<const std::uint8_t> resources) {
    const Exiv2::byte* record = nullptr;
    std::uint32_t headerSize = 0;
    std::uint32_t dataSize = 0;
    try {
        if (resources.empty() ||
            Exiv2::Photoshop::locateIptcIrb(resources.data(), static_cast<long>(resources.size()),
                                            &record, &headerSize, &dataSize) != 0)
            return {};
    } catch (const std::exception&) {
        return {};
    }
    return decodeIptc({record + headerSize, dataSize});
}

Exiv2::XmpData decodeXmp(std::span<const std::uint8_t> bytes) {
    Exiv2::XmpData xmp;
    if (bytes.empty()) return xmp;
    try {
        const std::string packet(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        if (Exiv2::XmpParser::decode(xmp, packet) != 0) xmp.clear();
    } catch (const std::exception&) {
        xmp.clear();
    }
    return xmp;
}

}  // namespace

bool hasExifDirectory(const Exiv2::ExifData& exif) {
    return std::any_of(exif.begin(), exif.end(),
                       [](const Exiv2::Exifdatum& datum) { return datum.groupName() == "Photo"; });
}

PhotoMetadata metadataOfFile(const std::string& path) {
    PhotoMetadata metadata;
    if (const auto file = openMetadata(path)) {
        metadata.exif = file->exifData();
        metadata.iptc = file->iptcData();
        metadata.xmp = file->xmpData();
    }
    return metadata;
}

PhotoMetadata metadataOfBlocks(std::span<const std::uint8_t> exif,
                               std::span<const std::uint8_t> iptc,
                               std::span<const std::uint8_t> xmp) {
    startExiv2();
    return {decodeExif(exif), decodeIptc(iptc), decodeXmp(xmp)};
}

PhotoMetadata metadataOfPicture(const Image* image) {
    PhotoMetadata metadata = metadataOfBlocks(
        profileBytes(image, "exif"), profileBytes(image, "iptc"), profileBytes(image, "xmp"));
    if (metadata.iptc.empty()) metadata.iptc = iptcOfResources(profileBytes(image, "8bim"));
    return metadata;
}

void markUpright(PhotoMetadata& metadata) {
    const auto exif = metadata.exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
    if (exif != metadata.exif.end()) *exif = std::uint16_t{1};
    const auto xmp = metadata.xmp.findKey(Exiv2::XmpKey("Xmp.tiff.Orientation"));
    if (xmp != metadata.xmp.end()) *xmp = std::string("1");
}

void attachMetadata(Image* image, const PhotoMetadata& metadata) {
    startExiv2();
    Exiv2::Blob exif(std::begin(kExifHeader), std::end(kExifHeader));
    if (!metadata.exif.empty()) {
        Exiv2::Blob structure;
        Exiv2::ExifParser::encode(structure, Exiv2::littleEndian, metadata.exif);
        exif.insert(exif.end(), structure.begin(), structure.end());
    }
    const bool hasExif = exif.size() > sizeof kExifHeader;
    setProfile(image, "exif", exif.data(), hasExif ? exif.size() : 0);
    const Exiv2::DataBuf iptc = Exiv2::IptcParser::encode(metadata.iptc);
    setProfile(image, "iptc", iptc.pData_,
               iptc.size_ > 0 ? static_cast<std::size_t>(iptc.size_) : 0);
    std::string xmp;
    if (!metadata.xmp.empty() && Exiv2::XmpParser::encode(xmp, metadata.xmp) != 0) xmp.clear();
    setProfile(image, "xmp", xmp.data(), xmp.size());
}

void detachMetadata(Image* image) {
    for (const char* name : {"exif", "iptc", "8bim", "xmp"}) DeleteImageProfile(image, name);
    std::vector<std::string> copied;
    ResetImagePropertyIterator(image);
    while (const char* property = GetNextImageProperty(image))
        if (std::strncmp(property, "exif:", 5) == 0 || std::strncmp(property, "icc:", 4) == 0 ||
            std::strcmp(property, "unknown") == 0)  // an EXIF tag ImageMagick has no name for
            copied.emplace_back(property);
    for (const std::string& property : copied) DeleteImageProperty(image, property.c_str());
}

}  // namespace quorvel::converter
