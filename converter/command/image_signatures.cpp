#include "command/image_signatures.h"

#include <array>
#include <cstring>
#include <string_view>

namespace quorvel::converter {
namespace {

struct Signature {
    std::size_t offset;
    std::string_view bytes;
    const char* format;
};

using namespace std::string_view_literals;

constexpr std::array<Signature, 12> kSignatures = {{
    {0, "\xFF\xD8\xFF"sv, "JPEG"},
    {0, "\x89PNG\r\n\x1A\n"sv, "PNG"},
    {0, "GIF87a"sv, "GIF"},
    {0, "GIF89a"sv, "GIF"},
    {0, "BM"sv, "BMP"},
    {8, "WEBP"sv, "WEBP"},
    {0, "#?RADIANCE"sv, "HDR"},
    {0, "#?RGBE"sv, "HDR"},
    {0, "8BPS"sv, "PSD"},
    {0, "\x76\x2F\x31\x01"sv, "EXR"},
    {0, "\x00\x00\x00\x0CjP  \r\n\x87\n"sv, "JP2"},
    {0, "\xFF\x4F\xFF\x51"sv, "J2K"},
}};

bool matches(std::span<const std::uint8_t> head, const Signature& signature) {
    if (head.size() < signature.offset + signature.bytes.size()) return false;
    return std::memcmp(head.data() + signature.offset, signature.bytes.data(),
                       signature.bytes.size()) == 0;
}

}  // namespace

std::string nonRawImageFormat(std::span<const std::uint8_t> head) {
    for (const Signature& signature : kSignatures)
        if (matches(head, signature)) return signature.format;
    return {};
}

}  // namespace quorvel::converter
