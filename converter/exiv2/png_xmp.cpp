#include "exiv2/png_xmp.h"

#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace quorvel::converter {
namespace {

constexpr std::string_view kSignature = "\x89PNG\r\n\x1A\n";

std::uint32_t crc32(const std::string& bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char byte : bytes) c = table[(c ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void append32(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(value >> shift & 0xFF);
}

std::string xmpChunk(const std::string& packet) {
    // Keyword, no compression, no language, no translated keyword, the packet as UTF-8.
    std::string body = "iTXt";
    body += std::string("XML:com.adobe.xmp") + '\0' + '\0' + '\0' + '\0' + '\0';
    body += packet;
    std::string chunk;
    append32(chunk, static_cast<std::uint32_t>(body.size() - 4));
    chunk += body;
    append32(chunk, crc32(body));
    return chunk;
}

// Where the first IDAT chunk starts; npos when the file is no complete PNG.
std::size_t firstImageData(const std::string& png) {
    if (png.compare(0, kSignature.size(), kSignature) != 0) return std::string::npos;
    for (std::size_t at = kSignature.size(); at + 8 <= png.size();) {
        const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(png[at + i]); };
        const std::size_t length =
            std::size_t{byte(0)} << 24 | std::size_t{byte(1)} << 16 | byte(2) << 8 | byte(3);
        if (png.compare(at + 4, 4, "IDAT") == 0) return at;
        at += 12 + length;
    }
    return std::string::npos;
}

}  // namespace

bool insertXmpBeforeImageData(const std::string& path, const std::string& packet,
                              std::string& problem) {
    std::ifstream in(path, std::ios::binary);
    std::string png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t data = firstImageData(png);
    if (!in.good() && !in.eof()) {
        problem = std::strerror(errno);
        return false;
    }
    if (data == std::string::npos) {
        problem = "not a complete PNG file";
        return false;
    }
    png.insert(data, xmpChunk(packet));
    const std::string temporary = path + ".xmp";
    struct stat info {};
    stat(path.c_str(), &info);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(png.data(), static_cast<std::streamsize>(png.size()));
        if (!out.flush()) {
            problem = "it could not be rewritten";
            std::remove(temporary.c_str());
            return false;
        }
    }
    chmod(temporary.c_str(), info.st_mode & 07777);
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        problem = std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace quorvel::converter
