#pragma once
// Where each pixel of LibRaw's processed picture lands once the camera's orientation is
// applied. LibRaw's flip code: bit 4 swaps rows and columns, bit 2 turns the picture upside
// down, bit 1 mirrors it left to right (3 = 180 degrees, 5 = 90 counter-clockwise, 6 = 90
// clockwise).
#include <cstddef>

namespace quorvel::converter {

class RawOrientation {
public:
    RawOrientation(int sourceWidth, int sourceHeight, int flip)
        : m_width(sourceWidth), m_height(sourceHeight), m_flip(flip) {}

    int uprightWidth() const { return transposed() ? m_height : m_width; }
    int uprightHeight() const { return transposed() ? m_width : m_height; }
    bool transposed() const { return (m_flip & 4) != 0; }

    // Index into the source picture (row-major) of the upright picture's pixel (row, column).
    std::size_t sourceIndex(int row, int column) const;

    // The upright rows (or, when transposed, columns) that source rows [first, first + count)
    // become: they are always one contiguous run, starting here.
    int uprightStart(int first, int count) const;

private:
    int m_width, m_height, m_flip;
};

}  // namespace quorvel::converter
