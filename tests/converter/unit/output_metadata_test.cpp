#include "metadata/output_metadata.h"

#include <gtest/gtest.h>

namespace quorvel::converter {
namespace {

bool has(const Exiv2::ExifData& exif, const char* key) {
    return exif.findKey(Exiv2::ExifKey(key)) != exif.end();
}

// A raw's main directory as exiv2 reads it: the photo's tags beside the file's layout.
PhotoMetadata rawLike() {
    PhotoMetadata metadata;
    Exiv2::ExifData& exif = metadata.exif;
    exif["Exif.Image.Make"] = std::string("Canon");
    exif["Exif.Image.Model"] = std::string("Canon EOS 350D DIGITAL");
    exif["Exif.Image.Artist"] = std::string("A. Photographer");
    exif["Exif.Image.Orientation"] = std::uint16_t{8};
    exif["Exif.Image.ImageWidth"] = std::uint32_t{3474};
    exif["Exif.Image.StripOffsets"] = std::uint32_t{12345};
    exif["Exif.Image.Compression"] = std::uint16_t{6};
    exif["Exif.Image.DNGVersion"] = std::string("1 4 0 0");
    exif["Exif.Image.CFAPattern"] = std::string("0 1 1 2");
    exif["Exif.Image.DocumentName"] = std::string("/tmp/.convert.exe-x/out.TIF");
    exif["Exif.Thumbnail.JPEGInterchangeFormat"] = std::uint32_t{900};
    exif["Exif.SubImage1.ImageWidth"] = std::uint32_t{3474};
    exif["Exif.Photo.DateTimeOriginal"] = std::string("2024:05:01 12:00:00");
    exif["Exif.Photo.PixelXDimension"] = std::uint32_t{3474};
    exif["Exif.Photo.LensModel"] = std::string("EF-S18-55mm");
    exif["Exif.GPSInfo.GPSLatitudeRef"] = std::string("N");
    exif["Exif.Canon.OwnerName"] = std::string("Owner");
    metadata.xmp["Xmp.xmp.Rating"] = std::string("4");
    metadata.xmp["Xmp.tiff.ImageWidth"] = std::string("3474");
    metadata.xmp["Xmp.tiff.Orientation"] = std::string("8");
    return metadata;
}

TEST(OutputMetadata, ThePhotoStaysAndTheSourceFilesLayoutGoes) {
    PhotoMetadata metadata = rawLike();
    prepareForOutput(metadata, 1, 640, 480);
    for (const char* kept : {"Exif.Image.Make", "Exif.Image.Model", "Exif.Image.Artist",
                             "Exif.Photo.DateTimeOriginal", "Exif.Photo.LensModel",
                             "Exif.GPSInfo.GPSLatitudeRef", "Exif.Canon.OwnerName"})
        EXPECT_TRUE(has(metadata.exif, kept)) << kept;
    for (const char* dropped :
         {"Exif.Image.ImageWidth", "Exif.Image.StripOffsets", "Exif.Image.Compression",
          "Exif.Image.DNGVersion", "Exif.Image.CFAPattern", "Exif.Image.DocumentName",
          "Exif.Thumbnail.JPEGInterchangeFormat", "Exif.SubImage1.ImageWidth"})
        EXPECT_FALSE(has(metadata.exif, dropped)) << dropped;
    EXPECT_EQ(metadata.exif["Exif.Photo.PixelXDimension"].toLong(), 640) << "the output's size";
    EXPECT_EQ(metadata.xmp.findKey(Exiv2::XmpKey("Xmp.tiff.ImageWidth")), metadata.xmp.end());
    EXPECT_EQ(metadata.xmp["Xmp.xmp.Rating"].toString(), "4");
}

// The pixels are written the way `orientation` says: both EXIF and XMP must agree with it.
TEST(OutputMetadata, OrientationSaysHowThePixelsAreWritten) {
    for (const int orientation : {1, 6}) {
        PhotoMetadata metadata = rawLike();
        prepareForOutput(metadata, orientation, 640, 480);
        EXPECT_EQ(metadata.exif["Exif.Image.Orientation"].toLong(), orientation);
        EXPECT_EQ(metadata.xmp["Xmp.tiff.Orientation"].toString(), std::to_string(orientation));
    }
    PhotoMetadata none;
    prepareForOutput(none, 1, 640, 480);
    EXPECT_TRUE(none.empty()) << "an upright picture without metadata gains none";
}

TEST(OutputMetadata, EmptyAndNulPaddedTextsAreTidied) {
    PhotoMetadata metadata;
    metadata.exif["Exif.Image.Make"] = std::string("Panasonic");
    metadata.exif["Exif.Image.Artist"] = std::string("   ");
    metadata.exif["Exif.Image.Copyright"] = std::string("");
    metadata.exif["Exif.Image.Model"] = std::string("DMC-GF1\0\0\0\0", 11);
    prepareForOutput(metadata, 1, 640, 480);
    EXPECT_FALSE(has(metadata.exif, "Exif.Image.Artist"));
    EXPECT_FALSE(has(metadata.exif, "Exif.Image.Copyright"));
    EXPECT_EQ(metadata.exif["Exif.Image.Model"].toString(), "DMC-GF1");
    EXPECT_EQ(metadata.exif["Exif.Image.Model"].size(), 8);
}

}  // namespace
}  // namespace quorvel::converter
