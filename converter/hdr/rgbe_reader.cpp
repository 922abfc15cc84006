#include "hdr/rgbe_reader.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace quorvel::converter {
namespace {

constexpr std::size_t kMaxSide = 1u << 16;

using Rgbe = std::array<std::uint8_t, 4>;

class Cursor {
public:
    Cursor(std::span<const std::uint8_t> bytes, std::size_t at) : m_bytes(bytes), m_at(at) {}
    bool atEnd() const { return m_at >= m_bytes.size(); }
    std::size_t left() const { return m_bytes.size() - m_at; }
    std::uint8_t next() { return m_bytes[m_at++]; }
    std::size_t position() const { return m_at; }

    // One header line without its newline; false at the end of the file.
    bool line(std::string_view& text) {
        if (atEnd()) return false;
        const std::size_t start = m_at;
        while (m_at < m_bytes.size() && m_bytes[m_at] != '\n') ++m_at;
        text = {reinterpret_cast<const char*>(m_bytes.data()) + start, m_at - start};
        if (m_at < m_bytes.size()) ++m_at;
        return true;
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_at;
};

bool parseResolution(std::string_view line, RgbeHeader& header) {
    char first[3] = {}, second[3] = {};
    unsigned long a = 0, b = 0;
    const std::string text(line);
    if (std::sscanf(text.c_str(), "%2s %lu %2s %lu", first, &a, second, &b) != 4) return false;
    const std::string_view rows(first), columns(second);
    if ((rows != "-Y" && rows != "+Y") || (columns != "+X" && columns != "-X")) return false;
    header.height = a;
    header.width = b;
    header.flipRows = rows == "+Y";
    header.flipColumns = columns == "-X";
    return a > 0 && b > 0 && a <= kMaxSide && b <= kMaxSide;
}

float channel(std::uint8_t mantissa, int exponent) {
    return std::ldexp(static_cast<float>(mantissa) + 0.5f, exponent - (128 + 8));
}

void toFloat(const Rgbe& pixel, bool xyz, float* out) {
    if (pixel[3] == 0) {
        out[0] = out[1] = out[2] = 0;
        return;
    }
    const float r = channel(pixel[0], pixel[3]), g = channel(pixel[1], pixel[3]),
                b = channel(pixel[2], pixel[3]);
    if (!xyz) {
        out[0] = r, out[1] = g, out[2] = b;
        return;
    }
    // CIE XYZ (D65) to linear sRGB.
    out[0] = 3.2404542f * r - 1.5371385f * g - 0.4985314f * b;
    out[1] = -0.9692660f * r + 1.8760108f * g + 0.0415560f * b;
    out[2] = 0.0556434f * r - 0.2040259f * g + 1.0572252f * b;
}

// The run-length form of 1991 on: after the marker (2, 2, width), each of the four components
// on its own, in runs (count above 128: one value repeated) and literal stretches.
bool readNewRle(Cursor& in, std::vector<Rgbe>& row) {
    const std::size_t width = row.size();
    for (std::size_t component = 0; component < 4; ++component) {
        for (std::size_t x = 0; x < width;) {
            if (in.atEnd()) return false;
            std::size_t count = in.next();
            if (count > 128) {
                count -= 128;
                if (count > width - x || in.atEnd()) return false;
                const std::uint8_t value = in.next();
                for (; count > 0; --count) row[x++][component] = value;
            } else {
                if (count == 0 || count > width - x || in.left() < count) return false;
                for (; count > 0; --count) row[x++][component] = in.next();
            }
        }
    }
    return true;
}

// Flat pixels, where (1, 1, 1, n) repeats the previous pixel n << shift times (the original
// run-length form; consecutive repeat pixels count in higher bytes).
bool readFlat(Cursor& in, std::vector<Rgbe>& row, const Rgbe& first) {
    int shift = 0;
    for (std::size_t x = 0; x < row.size();) {
        Rgbe pixel = first;
        if (x > 0) {
            if (in.left() < 4) return false;
            pixel = {in.next(), in.next(), in.next(), in.next()};
        }
        if (pixel[0] == 1 && pixel[1] == 1 && pixel[2] == 1) {
            if (x == 0 || shift > 16) return false;
            const std::size_t count = static_cast<std::size_t>(pixel[3]) << shift;
            if (count > row.size() - x) return false;
            for (std::size_t i = 0; i < count; ++i, ++x) row[x] = row[x - 1];
            shift += 8;
        } else {
            row[x++] = pixel;
            shift = 0;
        }
    }
    return true;
}

bool readScanline(Cursor& in, std::vector<Rgbe>& row) {
    if (in.left() < 4) return false;
    const Rgbe start = {in.next(), in.next(), in.next(), in.next()};
    const bool marked = start[0] == 2 && start[1] == 2 && (start[2] & 0x80) == 0;
    if (marked && row.size() >= 8 && row.size() < 0x8000) {
        if ((static_cast<std::size_t>(start[2]) << 8 | start[3]) != row.size()) return false;
        return readNewRle(in, row);
    }
    return readFlat(in, row, start);
}

}  // namespace

bool readRgbeHeader(std::span<const std::uint8_t> file, RgbeHeader& header,
                    std::string& problem) {
    Cursor in(file, 0);
    std::string_view line;
    if (!in.line(line) || !line.starts_with("#?")) {
        problem = "it is not a Radiance picture";
        return false;
    }
    // Variables until an empty line; the resolution line follows.
    while (in.line(line) && !line.empty()) {
        if (line.starts_with("FORMAT=")) {
            const std::string_view format = line.substr(7);
            if (format == "32-bit_rle_xyze") {
                header.xyz = true;
            } else if (format != "32-bit_rle_rgbe") {
                problem = "its pixel format is not RGBE or XYZE";
                return false;
            }
        }
    }
    if (!in.line(line) || !parseResolution(line, header)) {
        problem = "its picture size is missing or not supported";
        return false;
    }
    header.dataOffset = in.position();
    return true;
}

bool readRgbe(std::span<const std::uint8_t> file, FloatPicture& picture, std::string& problem) {
    RgbeHeader header;
    if (!readRgbeHeader(file, header, problem)) return false;
    picture.width = header.width;
    picture.height = header.height;
    picture.rgb.assign(header.width * header.height * 3, 0.0f);
    Cursor in(file, header.dataOffset);
    std::vector<Rgbe> row(header.width);
    for (std::size_t y = 0; y < header.height; ++y) {
        if (!readScanline(in, row)) {
            problem = "its pixel data is truncated or damaged";
            return false;
        }
        const std::size_t target = header.flipRows ? header.height - 1 - y : y;
        float* out = picture.rgb.data() + target * header.width * 3;
        for (std::size_t x = 0; x < header.width; ++x) {
            const std::size_t column = header.flipColumns ? header.width - 1 - x : x;
            toFloat(row[x], header.xyz, out + column * 3);
        }
    }
    return true;
}

}  // namespace quorvel::converter
