#pragma once
// EXIF metadata as tags, independent of the byte order and layout it was read from or will be
// written in: the main directory (IFD0: camera make and model, dates), the Exif directory
// (exposure, lens, capture date) and the GPS directory. Values are kept little-endian.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvel::converter {

enum class ExifDirectory { Primary, Exif, Gps };

struct ExifEntry {
    std::uint16_t tag = 0;
    std::uint16_t type = 0;
    std::uint32_t count = 0;
    std::vector<std::uint8_t> value;  // count values of type, little-endian
};

namespace exif_tag {
inline constexpr std::uint16_t kImageDescription = 0x010E;
inline constexpr std::uint16_t kMake = 0x010F;
inline constexpr std::uint16_t kModel = 0x0110;
inline constexpr std::uint16_t kOrientation = 0x0112;
inline constexpr std::uint16_t kSoftware = 0x0131;
inline constexpr std::uint16_t kDateTime = 0x0132;
inline constexpr std::uint16_t kArtist = 0x013B;
inline constexpr std::uint16_t kCopyright = 0x8298;
inline constexpr std::uint16_t kExifPointer = 0x8769;
inline constexpr std::uint16_t kGpsPointer = 0x8825;
inline constexpr std::uint16_t kExposureTime = 0x829A;
inline constexpr std::uint16_t kFNumber = 0x829D;
inline constexpr std::uint16_t kIsoSpeed = 0x8827;
inline constexpr std::uint16_t kExifVersion = 0x9000;
inline constexpr std::uint16_t kDateTimeOriginal = 0x9003;
inline constexpr std::uint16_t kDateTimeDigitized = 0x9004;
inline constexpr std::uint16_t kFocalLength = 0x920A;
inline constexpr std::uint16_t kMakerNote = 0x927C;
inline constexpr std::uint16_t kInteropPointer = 0xA005;
inline constexpr std::uint16_t kFocalLengthIn35mm = 0xA405;
inline constexpr std::uint16_t kLensMake = 0xA433;
inline constexpr std::uint16_t kLensModel = 0xA434;
inline constexpr std::uint16_t kGpsVersion = 0x0000;
inline constexpr std::uint16_t kGpsLatitudeRef = 0x0001;
inline constexpr std::uint16_t kGpsLatitude = 0x0002;
inline constexpr std::uint16_t kGpsLongitudeRef = 0x0003;
inline constexpr std::uint16_t kGpsLongitude = 0x0004;
inline constexpr std::uint16_t kGpsAltitudeRef = 0x0005;
inline constexpr std::uint16_t kGpsAltitude = 0x0006;
inline constexpr std::uint16_t kGpsTimeStamp = 0x0007;
}  // namespace exif_tag

class ExifData {
public:
    // Replaces an entry of the same tag.
    void set(ExifDirectory directory, ExifEntry entry);
    void setIfAbsent(ExifDirectory directory, ExifEntry entry);
    const ExifEntry* find(ExifDirectory directory, std::uint16_t tag) const;
    const std::vector<ExifEntry>& entries(ExifDirectory directory) const;
    bool empty() const;

private:
    std::vector<ExifEntry>& list(ExifDirectory directory);
    std::vector<ExifEntry> m_primary, m_exif, m_gps;
};

using Rational = std::pair<std::uint32_t, std::uint32_t>;

ExifEntry asciiEntry(std::uint16_t tag, std::string_view text);
ExifEntry shortEntry(std::uint16_t tag, std::uint16_t value);
ExifEntry rationalEntry(std::uint16_t tag, std::span<const Rational> values);
ExifEntry bytesEntry(std::uint16_t tag, std::uint16_t type, std::span<const std::uint8_t> bytes);

// Cuts an ASCII entry after its text's first NUL (files pad dates with NULs, which TIFF
// readers complain about); false when no text is left and the entry is better dropped.
bool tidyAscii(ExifEntry& entry);

// An ASCII entry's text up to its terminating NUL; nullopt for other types.
std::optional<std::string> asciiText(const ExifEntry& entry);
// The first value of a SHORT or LONG entry.
std::optional<std::uint32_t> firstUnsigned(const ExifEntry& entry);

// A positive real number as a rational with the given denominator precision.
Rational toRational(double value, std::uint32_t denominator = 10000);

}  // namespace quorvel::converter
