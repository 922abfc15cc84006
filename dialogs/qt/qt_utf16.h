#pragma once
#include <QString>
#include <string_view>

namespace quorvel {

// A record's UTF-16 text as a QString, NULs included.
inline QString qStringOf(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace quorvel
