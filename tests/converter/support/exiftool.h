#pragma once
// Reads metadata with exiftool, an independent reader of EXIF in every output format (it also
// writes test fixtures: a GPS position into a copy of a raw). Run as a child, never by a shell.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorvel::converter::testing_support {

// Tag name to printed value ("Make" -> "NIKON CORPORATION"); nullopt when exiftool cannot run.
// Values are exiftool's numeric forms (-n): Orientation 1, ExposureTime 0.004, GPSLatitude 48.5.
std::optional<std::map<std::string, std::string>> exifToolTags(
    const std::filesystem::path& file, const std::vector<std::string>& tags);

// Runs exiftool with the arguments; false when it cannot run or fails.
bool runExifTool(const std::vector<std::string>& arguments);

}  // namespace quorvel::converter::testing_support
