#include "command/raw_extensions.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace quorvel::converter {
namespace {

// The extensions ImageMagick's raw delegate claims, plus the other LibRaw formats.
constexpr std::array<std::string_view, 42> kRawExtensions = {
    "3FR", "ARI", "ARQ", "ARW", "BAY", "CAP", "CR2", "CR3", "CRW", "CS1", "DCR",
    "DCS", "DNG", "DRF", "EIP", "ERF", "FFF", "IIQ", "K25", "KDC", "MDC", "MEF",
    "MOS", "MRW", "NEF", "NRW", "ORF", "PEF", "PTX", "PXN", "R3D", "RAF", "RAW",
    "RMF", "RW2", "RWL", "RWZ", "SR2", "SRF", "SRW", "STI", "X3F"};

std::string upperExtension(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return {};
    std::string extension(path.substr(dot + 1));
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return extension;
}

}  // namespace

bool hasCameraRawExtension(std::string_view path) {
    const std::string extension = upperExtension(path);
    return std::find(kRawExtensions.begin(), kRawExtensions.end(), extension) !=
           kRawExtensions.end();
}

}  // namespace quorvel::converter
