#include "raw/raw_exif.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <memory>
#include <string>

#include "metadata/photo_metadata.h"

namespace quorvel::converter {
namespace {

bool has(const Exiv2::ExifData& exif, const char* key) {
    return exif.findKey(Exiv2::ExifKey(key)) != exif.end();
}

void setText(Exiv2::ExifData& exif, const char* key, const char* text) {
    if (text && *text && !has(exif, key)) exif[key] = std::string(text);
}

void setValue(Exiv2::ExifData& exif, const char* key, const std::string& text,
              Exiv2::TypeId type) {
    if (has(exif, key)) return;
    const std::unique_ptr<Exiv2::Value> value(Exiv2::Value::create(type).release());
    if (value->read(text) == 0) exif.add(Exiv2::ExifKey(key), value.get());
}

std::string rational(double value, long denominator) {
    return std::to_string(std::lround(value * denominator)) + "/" + std::to_string(denominator);
}

std::string exposure(double seconds) {
    if (seconds >= 1e-6 && seconds < 1) return "1/" + std::to_string(std::lround(1 / seconds));
    return rational(seconds, 10);
}

std::string exifDateTime(time_t timestamp) {
    std::tm local{};
    localtime_r(&timestamp, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y:%m:%d %H:%M:%S", &local);
    return text;
}

std::string degrees(const float (&value)[3]) {
    return rational(value[0], 1) + " " + rational(value[1], 1) + " " + rational(value[2], 1000);
}

void fillGps(Exiv2::ExifData& exif, const libraw_gps_info_t& gps) {
    if (!gps.gpsparsed) return;
    setValue(exif, "Exif.GPSInfo.GPSVersionID", "2 2 0 0", Exiv2::unsignedByte);
    const char latitudeRef[] = {gps.latref ? gps.latref : 'N', 0};
    const char longitudeRef[] = {gps.longref ? gps.longref : 'E', 0};
    setText(exif, "Exif.GPSInfo.GPSLatitudeRef", latitudeRef);
    setText(exif, "Exif.GPSInfo.GPSLongitudeRef", longitudeRef);
    setValue(exif, "Exif.GPSInfo.GPSLatitude", degrees(gps.latitude), Exiv2::unsignedRational);
    setValue(exif, "Exif.GPSInfo.GPSLongitude", degrees(gps.longitude), Exiv2::unsignedRational);
    setValue(exif, "Exif.GPSInfo.GPSAltitudeRef", std::to_string(gps.altref), Exiv2::unsignedByte);
    setValue(exif, "Exif.GPSInfo.GPSAltitude", rational(gps.altitude, 100),
             Exiv2::unsignedRational);
}

}  // namespace

void fillFromLibRaw(Exiv2::ExifData& exif, const libraw_data_t& data) {
    setText(exif, "Exif.Image.Make", data.idata.make);
    setText(exif, "Exif.Image.Model", data.idata.model);
    setText(exif, "Exif.Image.Artist", data.other.artist);
    setText(exif, "Exif.Image.ImageDescription", data.other.desc);
    setText(exif, "Exif.Photo.LensMake", data.lens.LensMake);
    setText(exif, "Exif.Photo.LensModel", data.lens.Lens);
    const libraw_imgother_t& other = data.other;
    if (other.timestamp > 0)
        setText(exif, "Exif.Photo.DateTimeOriginal", exifDateTime(other.timestamp).c_str());
    if (other.shutter > 0)
        setValue(exif, "Exif.Photo.ExposureTime", exposure(other.shutter),
                 Exiv2::unsignedRational);
    if (other.aperture > 0)
        setValue(exif, "Exif.Photo.FNumber", rational(other.aperture, 100),
                 Exiv2::unsignedRational);
    if (other.focal_len > 0)
        setValue(exif, "Exif.Photo.FocalLength", rational(other.focal_len, 100),
                 Exiv2::unsignedRational);
    if (other.iso_speed > 0)
        setValue(exif, "Exif.Photo.ISOSpeedRatings",
                 std::to_string(std::lround(std::min(other.iso_speed, 65535.0f))),
                 Exiv2::unsignedShort);
    fillGps(exif, other.parsed_gps);
    if (hasExifDirectory(exif))
        setValue(exif, "Exif.Photo.ExifVersion", "48 50 51 48", Exiv2::undefined);
}

}  // namespace quorvel::converter
