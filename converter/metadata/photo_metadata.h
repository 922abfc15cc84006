#pragma once
// A photo's metadata as exiv2 holds it: EXIF (maker notes included), IPTC and XMP. Between
// reading and writing it travels with the picture as ImageMagick's profiles "exif", "iptc" and
// "xmp", the way ImageMagick's own readers attach it, so every reader feeds the same writers.
#include <magick/MagickCore.h>

#include <cstdint>
#include <exiv2/exiv2.hpp>
#include <span>
#include <string>

namespace quorvel::converter {

struct PhotoMetadata {
    Exiv2::ExifData exif;
    Exiv2::IptcData iptc;
    Exiv2::XmpData xmp;

    bool empty() const { return exif.empty() && iptc.empty() && xmp.empty(); }
};

// Whether the EXIF has an Exif directory (exposure, lens, dates), which some tags require.
bool hasExifDirectory(const Exiv2::ExifData& exif);

// What exiv2 reads from the file; empty when it reads none.
PhotoMetadata metadataOfFile(const std::string& path);

// Metadata from its blocks as files carry them: EXIF as a TIFF structure (an "Exif\0\0" header
// before it is skipped), IPTC as IIM records, XMP as a packet. A block exiv2 cannot decode is
// left out.
PhotoMetadata metadataOfBlocks(std::span<const std::uint8_t> exif,
                               std::span<const std::uint8_t> iptc,
                               std::span<const std::uint8_t> xmp);

// The metadata profiles of a picture, decoded; a profile exiv2 cannot decode is left out.
PhotoMetadata metadataOfPicture(const Image* image);

// For a decoder that has turned the pixels upright itself: the orientation tags say so, or a
// viewer (and ImageMagick, which reads them back) would turn them a second time.
void markUpright(PhotoMetadata& metadata);

// Replaces the picture's metadata profiles with these (an empty part removes its profile).
void attachMetadata(Image* image, const PhotoMetadata& metadata);

// Removes the metadata profiles and the EXIF and ICC values ImageMagick copies into the
// picture's properties, which its PNG writer would write again as dozens of text chunks.
void detachMetadata(Image* image);

}  // namespace quorvel::converter
