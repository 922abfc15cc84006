#include "metadata/metadata_file_writer.h"

#include "metadata/exiv2_library.h"
#include "metadata/png_exif_chunk.h"

namespace quorvel::converter {
namespace {

// ImageMagick's TIFF writer names the file it wrote, the hidden staging file, in the document
// name; the photo's own tags replace its defaults.
void mergeIntoTiff(Exiv2::ExifData& file, const Exiv2::ExifData& photo) {
    const auto documentName = file.findKey(Exiv2::ExifKey("Exif.Image.DocumentName"));
    if (documentName != file.end()) file.erase(documentName);
    for (const Exiv2::Exifdatum& datum : photo) file[datum.key()] = datum.value();
}

bool writePngExif(const std::string& path, const Exiv2::ExifData& exif, std::string& problem) {
    if (exif.empty()) return true;
    Exiv2::Blob structure;
    try {
        Exiv2::ExifParser::encode(structure, Exiv2::littleEndian, exif);
    } catch (const std::exception& error) {
        problem = error.what();
        return false;
    }
    return writeExifBeforeImageData(path, structure, problem);
}

}  // namespace

bool writeMetadataInto(const std::string& path, MetadataFormat format,
                       const PhotoMetadata& metadata, std::string& problem) {
    const bool onlyExif = metadata.iptc.empty() && metadata.xmp.empty();
    if (format == MetadataFormat::Png && onlyExif) return writePngExif(path, metadata.exif, problem);
    const auto file = openMetadata(path);
    if (!file) {
        problem = "the written file could not be read back";
        return false;
    }
    try {
        switch (format) {
            case MetadataFormat::Jpeg:
                file->setExifData(metadata.exif);
                break;
            case MetadataFormat::Tiff:
                mergeIntoTiff(file->exifData(), metadata.exif);
                break;
            case MetadataFormat::Png:
                // exiv2 would write it as an old-style text chunk; it goes in eXIf afterwards.
                file->clearExifData();
                break;
        }
        file->setIptcData(metadata.iptc);
        file->setXmpData(metadata.xmp);
        file->writeMetadata();
    } catch (const std::exception& error) {
        problem = error.what();
        return false;
    }
    return format != MetadataFormat::Png || writePngExif(path, metadata.exif, problem);
}

}  // namespace quorvel::converter
