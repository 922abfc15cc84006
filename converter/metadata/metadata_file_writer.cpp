#include "metadata/metadata_file_writer.h"

#include "metadata/exiv2_library.h"
#include "metadata/png_metadata_chunks.h"

namespace quorvel::converter {
namespace {

// ImageMagick's TIFF writer names the file it wrote, the hidden staging file, in the document
// name; the photo's own tags replace its defaults.
void mergeIntoTiff(Exiv2::ExifData& file, const Exiv2::ExifData& photo) {
    const auto documentName = file.findKey(Exiv2::ExifKey("Exif.Image.DocumentName"));
    if (documentName != file.end()) file.erase(documentName);
    for (const Exiv2::Exifdatum& datum : photo) file[datum.key()] = datum.value();
}

// PNG has no place for IPTC: its fields go into the XMP, as XMP's IPTC Core defines them.
bool writeIntoPng(const std::string& path, const PhotoMetadata& metadata, std::string& problem) {
    Exiv2::Blob exif;
    std::string xmp;
    try {
        if (!metadata.exif.empty())
            Exiv2::ExifParser::encode(exif, Exiv2::littleEndian, metadata.exif);
        Exiv2::XmpData xmpData = metadata.xmp;
        if (!metadata.iptc.empty()) Exiv2::copyIptcToXmp(metadata.iptc, xmpData);
        if (!xmpData.empty() && Exiv2::XmpParser::encode(xmp, xmpData) != 0) {
            problem = "the XMP could not be encoded";
            return false;
        }
    } catch (const std::exception& error) {
        problem = error.what();
        return false;
    }
    return writePngMetadata(path, exif, xmp, problem);
}

}  // namespace

bool writeMetadataInto(const std::string& path, MetadataFormat format,
                       const PhotoMetadata& metadata, std::string& problem) {
    if (format == MetadataFormat::Png) return writeIntoPng(path, metadata, problem);
    const auto file = openMetadata(path);
    if (!file) {
        problem = "the written file could not be read back";
        return false;
    }
    try {
        if (format == MetadataFormat::Tiff)
            mergeIntoTiff(file->exifData(), metadata.exif);
        else
            file->setExifData(metadata.exif);
        file->setIptcData(metadata.iptc);
        file->setXmpData(metadata.xmp);
        file->writeMetadata();
    } catch (const std::exception& error) {
        problem = error.what();
        return false;
    }
    return true;
}

}  // namespace quorvel::converter
