#pragma once
// Small helpers for the decoders: a new picture of a given size, and metadata attached the
// way ImageMagick's own readers attach it.
#include <magick/MagickCore.h>

#include <cstdint>
#include <span>
#include <string>

namespace quorvel::converter {

// Sample scaling into ImageMagick's quantum (its own helpers are private headers).
constexpr Quantum quantumFrom16(unsigned short value) {
#if MAGICKCORE_QUANTUM_DEPTH == 16 && !MAGICKCORE_HDRI_SUPPORT
    return value;
#else
    return static_cast<Quantum>(value * (QuantumRange / 65535.0));
#endif
}

constexpr Quantum quantumFrom8(unsigned char value) {
    return quantumFrom16(static_cast<unsigned short>(value * 257));
}

// An upright, opaque sRGB picture with its pixel cache ready (none when `info` asks for a
// ping); nullptr, with the reason in `exception`, when it cannot be allocated.
Image* newImage(const ImageInfo* info, std::size_t width, std::size_t height, std::size_t depth,
                ExceptionInfo* exception);

void attachProfile(Image* image, const char* name, std::span<const std::uint8_t> bytes);

}  // namespace quorvel::converter
