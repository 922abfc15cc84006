#include "raw/raw_exif.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <ctime>

#include "metadata/tiff_bytes.h"

namespace quorvel::converter {
namespace {

namespace tag = exif_tag;

// LibRaw tags the directory a tag came from in the high bits of the number it reports.
constexpr int kFirstDirectory = 0x100000;  // (index + 1) << 20 for the file's directories
constexpr int kPanasonicMain = 0x30000;
constexpr int kGps = 0x50000;
constexpr std::size_t kMaxValueBytes = 64 * 1024;

constexpr std::array<std::uint16_t, 7> kCameraTags = {
    tag::kImageDescription, tag::kMake,   tag::kModel,    tag::kSoftware,
    tag::kDateTime,         tag::kArtist, tag::kCopyright};

bool isCameraTag(int number) {
    return std::find(kCameraTags.begin(), kCameraTags.end(), number) != kCameraTags.end();
}

// Exif-directory tags lie above 0x8000; makernote parsers report small numbers.
bool isExifTag(int number) {
    return number >= 0x8000 && number <= 0xFFFF && number != tag::kMakerNote &&
           number != tag::kInteropPointer && number != tag::kExifPointer &&
           number != tag::kGpsPointer;
}

std::optional<ExifDirectory> directoryOf(int reported, std::uint16_t& number) {
    number = static_cast<std::uint16_t>(reported & 0xFFFF);
    const int directory = reported & ~0xFFFF;
    if ((directory == kFirstDirectory || directory == kPanasonicMain) && isCameraTag(number))
        return ExifDirectory::Primary;
    if (directory == 0 && isExifTag(reported)) return ExifDirectory::Exif;
    if (directory == kGps && number <= 0x1F) return ExifDirectory::Gps;
    return std::nullopt;
}

std::string exifDateTime(time_t timestamp) {
    std::tm local{};
    localtime_r(&timestamp, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y:%m:%d %H:%M:%S", &local);
    return text;
}

Rational exposureRational(double seconds) {
    if (seconds >= 1e-6 && seconds < 1)
        return {1, static_cast<std::uint32_t>(std::lround(1 / seconds))};
    return toRational(seconds, 10);
}

void setText(ExifData& exif, ExifDirectory directory, std::uint16_t number, const char* text) {
    if (text && *text) exif.setIfAbsent(directory, asciiEntry(number, text));
}

void setRational(ExifData& exif, ExifDirectory directory, std::uint16_t number, Rational r) {
    exif.setIfAbsent(directory, rationalEntry(number, std::span(&r, 1)));
}

void fillCamera(ExifData& exif, const libraw_data_t& data) {
    setText(exif, ExifDirectory::Primary, tag::kMake, data.idata.make);
    setText(exif, ExifDirectory::Primary, tag::kModel, data.idata.model);
    setText(exif, ExifDirectory::Primary, tag::kArtist, data.other.artist);
    setText(exif, ExifDirectory::Primary, tag::kImageDescription, data.other.desc);
    setText(exif, ExifDirectory::Exif, tag::kLensMake, data.lens.LensMake);
    setText(exif, ExifDirectory::Exif, tag::kLensModel, data.lens.Lens);
}

void fillExposure(ExifData& exif, const libraw_data_t& data) {
    const libraw_imgother_t& other = data.other;
    if (other.timestamp > 0)
        setText(exif, ExifDirectory::Exif, tag::kDateTimeOriginal,
                exifDateTime(other.timestamp).c_str());
    if (other.shutter > 0)
        setRational(exif, ExifDirectory::Exif, tag::kExposureTime,
                    exposureRational(other.shutter));
    if (other.aperture > 0)
        setRational(exif, ExifDirectory::Exif, tag::kFNumber, toRational(other.aperture, 100));
    if (other.focal_len > 0)
        setRational(exif, ExifDirectory::Exif, tag::kFocalLength,
                    toRational(other.focal_len, 100));
    if (other.iso_speed > 0) {
        const auto iso = static_cast<std::uint16_t>(std::min(other.iso_speed, 65535.0f));
        exif.setIfAbsent(ExifDirectory::Exif, shortEntry(tag::kIsoSpeed, iso));
    }
}

std::array<Rational, 3> degrees(const float (&value)[3]) {
    return {toRational(value[0], 1), toRational(value[1], 1), toRational(value[2], 1000)};
}

void fillGps(ExifData& exif, const libraw_gps_info_t& gps) {
    if (!gps.gpsparsed) return;
    constexpr std::uint8_t kVersion[] = {2, 2, 0, 0};
    exif.setIfAbsent(ExifDirectory::Gps, bytesEntry(tag::kGpsVersion, tiff::Byte, kVersion));
    const char latitudeRef[] = {gps.latref ? gps.latref : 'N', 0};
    const char longitudeRef[] = {gps.longref ? gps.longref : 'E', 0};
    setText(exif, ExifDirectory::Gps, tag::kGpsLatitudeRef, latitudeRef);
    setText(exif, ExifDirectory::Gps, tag::kGpsLongitudeRef, longitudeRef);
    const auto latitude = degrees(gps.latitude);
    const auto longitude = degrees(gps.longitude);
    exif.setIfAbsent(ExifDirectory::Gps, rationalEntry(tag::kGpsLatitude, latitude));
    exif.setIfAbsent(ExifDirectory::Gps, rationalEntry(tag::kGpsLongitude, longitude));
    const std::uint8_t altitudeRef[] = {static_cast<std::uint8_t>(gps.altref)};
    exif.setIfAbsent(ExifDirectory::Gps,
                     bytesEntry(tag::kGpsAltitudeRef, tiff::Byte, altitudeRef));
    setRational(exif, ExifDirectory::Gps, tag::kGpsAltitude, toRational(gps.altitude, 100));
}

}  // namespace

void RawExifCollector::callback(void* context, int reported, int type, int count,
                                unsigned int byteOrder, void* stream, INT64) {
    std::uint16_t number = 0;
    const auto directory = directoryOf(reported, number);
    if (!directory || !context || !stream || count <= 0 || type <= 0 || type > 0xFFFF) return;
    static_cast<RawExifCollector*>(context)->take(
        *directory, number, static_cast<std::uint16_t>(type), static_cast<std::uint32_t>(count),
        byteOrder == 0x4D4D, *static_cast<LibRaw_abstract_datastream*>(stream));
}

void RawExifCollector::take(ExifDirectory directory, std::uint16_t number, std::uint16_t type,
                            std::uint32_t count, bool bigEndian,
                            LibRaw_abstract_datastream& stream) {
    const std::size_t size = tiff::valueSize(type) * std::size_t{count};
    if (size == 0 || size > kMaxValueBytes || m_data.find(directory, number)) return;
    ExifEntry entry{number, type, count, std::vector<std::uint8_t>(size)};
    // LibRaw has placed the stream at the value; it restores the position afterwards, but
    // the collector leaves it as it found it all the same.
    const INT64 position = stream.tell();
    const int got = stream.read(entry.value.data(), 1, size);
    stream.seek(position, SEEK_SET);
    if (got != static_cast<int>(size)) return;
    if (bigEndian) tiff::swapUnits(entry.value, type);
    if (tidyAscii(entry)) m_data.set(directory, std::move(entry));
}

ExifData RawExifCollector::result(const libraw_data_t& data) const {
    ExifData exif = m_data;
    fillCamera(exif, data);
    fillExposure(exif, data);
    fillGps(exif, data.other.parsed_gps);
    exif.set(ExifDirectory::Primary, shortEntry(tag::kOrientation, 1));
    if (!exif.entries(ExifDirectory::Exif).empty())
        exif.setIfAbsent(ExifDirectory::Exif,
                         bytesEntry(tag::kExifVersion, tiff::Undefined,
                                    std::span<const std::uint8_t>(
                                        reinterpret_cast<const std::uint8_t*>("0230"), 4)));
    return exif;
}

}  // namespace quorvel::converter
