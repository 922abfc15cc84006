#include "metadata/output_metadata.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace quorvel::converter {
namespace {

// Tags of the main directory that describe the file rather than the photo: its layout,
// sizes, strips, stored pixels and raw data, and the containers of metadata that is written
// from its own part.
bool describesSourceFile(const Exiv2::Exifdatum& datum) {
    if (datum.groupName() != "Image") return false;
    const std::string_view section = Exiv2::ExifTags::sectionName(Exiv2::ExifKey(datum.key()));
    // The resolution (the print size the photographer set) and the chroma siting JPEG readers
    // expect stay.
    constexpr std::array<std::uint16_t, 4> kKept = {
        0x011A /* XResolution */, 0x011B /* YResolution */, 0x0128 /* ResolutionUnit */,
        0x0213 /* YCbCrPositioning */};
    if (std::find(kKept.begin(), kKept.end(), datum.tag()) != kKept.end()) return false;
    if (section == "ImageStructure" || section == "RecordingOffset" ||
        section == "ImageCharacteristics" || section == "DngTags")
        return true;
    constexpr std::array<std::uint16_t, 10> kFileTags = {
        0x014A /* SubIFDs */,           0x828D /* CFARepeatPatternDim */,
        0x828E /* CFAPattern */,        0x02BC /* XMLPacket */,
        0x83BB /* IPTCNAA */,           0x8649 /* ImageResources */,
        0x8769 /* ExifTag */,           0x8825 /* GPSTag */,
        0x8773 /* InterColorProfile */, 0x9216 /* TIFFEPStandardID */};
    return std::find(kFileTags.begin(), kFileTags.end(), datum.tag()) != kFileTags.end();
}

bool keptGroup(const std::string& group) {
    return group == "Image" || group == "Photo" || group == "GPSInfo" || group == "Iop" ||
           group == "MakerNote" || Exiv2::ExifTags::isMakerGroup(group);
}

// The output's own size replaces the source's (prepareForOutput).
bool describesSourcePixels(const Exiv2::Exifdatum& datum) {
    return datum.groupName() == "Photo" && (datum.tag() == 0xA002 || datum.tag() == 0xA003);
}

// Text cut at its first NUL (files pad dates with NULs, which readers complain about); true
// when nothing is left and the value is better dropped.
bool tidyText(Exiv2::Exifdatum& datum) {
    std::string text = datum.toString();
    text.erase(std::find(text.begin(), text.end(), '\0'), text.end());
    if (text.find_first_not_of(' ') == std::string::npos) return true;
    if (text.size() + 1 != static_cast<std::size_t>(datum.size())) datum.setValue(text);
    return false;
}

bool isEmpty(Exiv2::Exifdatum& datum) {
    if (datum.count() == 0 || datum.size() == 0) return true;
    return datum.typeId() == Exiv2::asciiString && tidyText(datum);
}

void tidyExif(Exiv2::ExifData& exif) {
    for (auto datum = exif.begin(); datum != exif.end();) {
        if (!keptGroup(datum->groupName()) || describesSourceFile(*datum) ||
            describesSourcePixels(*datum) || isEmpty(*datum))
            datum = exif.erase(datum);
        else
            ++datum;
    }
}

void tidyXmp(Exiv2::XmpData& xmp) {
    constexpr std::array<std::string_view, 9> kSourceFile = {
        "Xmp.tiff.ImageWidth",         "Xmp.tiff.ImageLength",
        "Xmp.tiff.BitsPerSample",      "Xmp.tiff.Compression",
        "Xmp.tiff.SamplesPerPixel",    "Xmp.tiff.PhotometricInterpretation",
        "Xmp.exif.PixelXDimension",    "Xmp.exif.PixelYDimension",
        "Xmp.tiff.PlanarConfiguration"};
    for (std::string_view key : kSourceFile) {
        const auto found = xmp.findKey(Exiv2::XmpKey(std::string(key)));
        if (found != xmp.end()) xmp.erase(found);
    }
}

}  // namespace

void prepareForOutput(PhotoMetadata& metadata, int orientation, std::size_t width,
                      std::size_t height) {
    tidyExif(metadata.exif);
    tidyXmp(metadata.xmp);
    if (metadata.xmp.findKey(Exiv2::XmpKey("Xmp.tiff.Orientation")) != metadata.xmp.end())
        metadata.xmp["Xmp.tiff.Orientation"] = std::to_string(orientation);
    if (metadata.exif.empty() && orientation == 1) return;
    metadata.exif["Exif.Image.Orientation"] = static_cast<std::uint16_t>(orientation);
    if (hasExifDirectory(metadata.exif)) {
        metadata.exif["Exif.Photo.PixelXDimension"] = static_cast<std::uint32_t>(width);
        metadata.exif["Exif.Photo.PixelYDimension"] = static_cast<std::uint32_t>(height);
    }
}

}  // namespace quorvel::converter
