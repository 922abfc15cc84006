#include "exiv2/xmp_iptc_carrier.h"

#include <exiv2/exiv2.hpp>

#include "exiv2/png_xmp.h"

namespace quorvel::converter {
namespace {

struct Found {
    Exiv2::XmpData xmp;
    Exiv2::IptcData iptc;
    Exiv2::ExifData makerNote;  // the maker's own tags, decoded, and where they sat
};

bool belongsToMakerNote(const Exiv2::Exifdatum& datum) {
    return Exiv2::ExifTags::isMakerGroup(datum.groupName()) ||
           datum.key().rfind("Exif.MakerNote.", 0) == 0 || datum.key() == "Exif.Photo.MakerNote";
}

void prepareExiv2() {
    static const bool prepared = [] {
        // Its own warnings would go to stderr, which carries this converter's messages.
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::enableBMFF(true);  // HEIF/HEIC
        return true;
    }();
    (void)prepared;
}

bool takesMetadata(int type) {  // exiv2 0.27 numbers its image types
    return type == Exiv2::ImageType::jpeg || type == Exiv2::ImageType::png ||
           type == Exiv2::ImageType::tiff;
}

// Metadata of an input exiv2 cannot read is simply not carried: the picture still converts.
bool readSource(const std::string& input, Found& found) {
    try {
        if (Exiv2::ImageFactory::getType(input) == Exiv2::ImageType::none) return false;
        Exiv2::Image::AutoPtr source = Exiv2::ImageFactory::open(input);
        source->readMetadata();
        found.xmp = source->xmpData();
        found.iptc = source->iptcData();
        for (const Exiv2::Exifdatum& datum : source->exifData())
            if (belongsToMakerNote(datum)) found.makerNote.add(datum);
        return !found.xmp.empty() || !found.iptc.empty() || !found.makerNote.empty();
    } catch (const Exiv2::AnyError&) {
        return false;
    }
}

bool hasMakerNote(const Exiv2::ExifData& exif) {
    for (const Exiv2::Exifdatum& datum : exif)
        if (belongsToMakerNote(datum)) return true;
    return false;
}

void markUpright(Exiv2::XmpData& xmp) {
    const auto orientation = xmp.findKey(Exiv2::XmpKey("Xmp.tiff.Orientation"));
    if (orientation != xmp.end()) orientation->setValue("1");
}

// PNG has no IPTC chunk of its own; its XMP goes in by hand (png_xmp).
std::string intoPng(const std::string& output, const Exiv2::XmpData& xmp) {
    std::string packet;
    if (xmp.empty() || Exiv2::XmpParser::encode(packet, xmp) != 0) return {};
    std::string problem;
    insertXmpBeforeImageData(output, packet, problem);
    return problem;
}

}  // namespace

std::string carryXmpAndIptc(const std::string& input, const std::string& output) {
    prepareExiv2();
    int type = Exiv2::ImageType::none;
    try {
        type = Exiv2::ImageFactory::getType(output);
    } catch (const Exiv2::AnyError& error) {
        return error.what();
    }
    Found found;
    if (!takesMetadata(type) || !readSource(input, found)) return {};
    markUpright(found.xmp);
    if (type == Exiv2::ImageType::png) return intoPng(output, found.xmp);
    try {
        Exiv2::Image::AutoPtr target = Exiv2::ImageFactory::open(output);
        target->readMetadata();
        if (!found.xmp.empty()) target->setXmpData(found.xmp);
        if (!found.iptc.empty()) target->setIptcData(found.iptc);
        // ImageMagick's JPEG and PNG writers keep the maker note inside the EXIF they copy;
        // the TIFF one leaves it out.
        if (type == Exiv2::ImageType::tiff && !hasMakerNote(target->exifData()))
            for (const Exiv2::Exifdatum& datum : found.makerNote) target->exifData().add(datum);
        target->writeMetadata();
        return {};
    } catch (const Exiv2::AnyError& error) {
        return error.what();
    }
}

}  // namespace quorvel::converter
