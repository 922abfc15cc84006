#pragma once
// The input's XMP and IPTC (titles, ratings, keywords, creator, a phone's Motion-Photo data)
// carried into the written JPEG, PNG or TIFF with exiv2, which reads them from JPEG, HEIF and
// the TIFF-based camera raws (PNG gets the XMP only: it has no place for IPTC), and into a TIFF
// the maker note its writer leaves out. An Orientation in the XMP is set to 1: the pixels are
// upright. The rest of the EXIF the writers already hold is left as it is.
#include <string>

namespace quorvel::converter {

// "" when done or when there is nothing to carry (no XMP or IPTC, an input exiv2 cannot read,
// an output format without a place for them); otherwise why the output could not take them.
std::string carryXmpAndIptc(const std::string& input, const std::string& output);

}  // namespace quorvel::converter
