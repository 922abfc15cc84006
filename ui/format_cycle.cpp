#include "format_cycle.h"

#include <array>
#include <utility>

namespace quorvel {
namespace {

constexpr std::array<std::pair<char16_t const*, char16_t const*>, 5> kCycle = {{
    {u"JPG", u"PNG"},
    {u"PNG", u"GIF"},
    {u"GIF", u"TIF"},
    {u"TIF", u"BMP"},
    {u"BMP", u"JPG"},
}};

}  // namespace

QString nextFormat(const QString& caption) {
    for (const auto& [before, after] : kCycle)
        if (caption == QStringView(before)) return QString::fromUtf16(after);
    return caption;
}

}  // namespace quorvel
