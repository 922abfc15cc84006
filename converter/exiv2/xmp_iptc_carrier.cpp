#include "exiv2/xmp_iptc_carrier.h"

#include <exiv2/exiv2.hpp>

#include "exiv2/png_xmp.h"

namespace quorvel::converter {
namespace {

struct Found {
    Exiv2::XmpData xmp;
    Exiv2::IptcData iptc;
};

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
        return !found.xmp.empty() || !found.iptc.empty();
    } catch (const Exiv2::AnyError&) {
        return false;
    }
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
    Found found;
    if (!readSource(input, found)) return {};
    try {
        const int type = Exiv2::ImageFactory::getType(output);
        if (!takesMetadata(type)) return {};
        markUpright(found.xmp);
        if (type == Exiv2::ImageType::png) return intoPng(output, found.xmp);
        Exiv2::Image::AutoPtr target = Exiv2::ImageFactory::open(output);
        target->readMetadata();
        if (!found.xmp.empty()) target->setXmpData(found.xmp);
        if (!found.iptc.empty()) target->setIptcData(found.iptc);
        target->writeMetadata();
        return {};
    } catch (const Exiv2::AnyError& error) {
        return error.what();
    }
}

}  // namespace quorvel::converter
