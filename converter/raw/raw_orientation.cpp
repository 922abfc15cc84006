#include "raw/raw_orientation.h"

#include <utility>

namespace quorvel::converter {

std::size_t RawOrientation::sourceIndex(int row, int column) const {
    if (transposed()) std::swap(row, column);
    if (m_flip & 2) row = m_height - 1 - row;
    if (m_flip & 1) column = m_width - 1 - column;
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_width) +
           static_cast<std::size_t>(column);
}

int RawOrientation::uprightStart(int first, int count) const {
    return (m_flip & 2) ? m_height - (first + count) : first;
}

}  // namespace quorvel::converter
