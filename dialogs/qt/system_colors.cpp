#include "system_colors.h"

#include <QPalette>
#include <array>
#include <optional>

namespace quorvel {
namespace {

struct SystemColor {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Windows COLOR_* indices 0 to 30, each with the palette role that plays its part.
constexpr std::array<std::optional<SystemColor>, 31> kSystemColors = {{
    SystemColor{QPalette::Active, QPalette::Button},             // 0 scroll bar
    SystemColor{QPalette::Active, QPalette::Dark},               // 1 desktop
    SystemColor{QPalette::Active, QPalette::Highlight},          // 2 active caption
    SystemColor{QPalette::Inactive, QPalette::Highlight},        // 3 inactive caption
    SystemColor{QPalette::Active, QPalette::Window},             // 4 menu
    SystemColor{QPalette::Active, QPalette::Base},               // 5 window
    SystemColor{QPalette::Active, QPalette::Shadow},             // 6 window frame
    SystemColor{QPalette::Active, QPalette::WindowText},         // 7 menu text
    SystemColor{QPalette::Active, QPalette::Text},               // 8 window text
    SystemColor{QPalette::Active, QPalette::HighlightedText},    // 9 caption text
    SystemColor{QPalette::Active, QPalette::Window},             // 10 active border
    SystemColor{QPalette::Inactive, QPalette::Window},           // 11 inactive border
    SystemColor{QPalette::Active, QPalette::Mid},                // 12 application workspace
    SystemColor{QPalette::Active, QPalette::Highlight},          // 13 highlight
    SystemColor{QPalette::Active, QPalette::HighlightedText},    // 14 highlight text
    SystemColor{QPalette::Active, QPalette::Button},             // 15 button face
    SystemColor{QPalette::Active, QPalette::Dark},               // 16 button shadow
    SystemColor{QPalette::Disabled, QPalette::Text},             // 17 grey text
    SystemColor{QPalette::Active, QPalette::ButtonText},         // 18 button text
    SystemColor{QPalette::Inactive, QPalette::HighlightedText},  // 19 inactive caption text
    SystemColor{QPalette::Active, QPalette::Light},              // 20 button highlight
    SystemColor{QPalette::Active, QPalette::Shadow},             // 21 3D dark shadow
    SystemColor{QPalette::Active, QPalette::Midlight},           // 22 3D light
    SystemColor{QPalette::Active, QPalette::ToolTipText},        // 23 info text
    SystemColor{QPalette::Active, QPalette::ToolTipBase},        // 24 info background
    std::nullopt,                                                // 25 unused by Windows
    SystemColor{QPalette::Active, QPalette::Link},               // 26 hot-tracked item
    SystemColor{QPalette::Active, QPalette::Highlight},          // 27 active caption gradient
    SystemColor{QPalette::Inactive, QPalette::Highlight},        // 28 inactive gradient
    SystemColor{QPalette::Active, QPalette::Highlight},          // 29 menu highlight
    SystemColor{QPalette::Active, QPalette::Window},             // 30 menu bar
}};

}  // namespace

ColorRef colorRefOf(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<ColorRef>(rgb.red()) | static_cast<ColorRef>(rgb.green()) << 8 |
           static_cast<ColorRef>(rgb.blue()) << 16;
}

QColor qColorOf(ColorRef color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

ColorRef systemColorOf(int index, const QPalette& palette) {
    if (index < 0 || index >= static_cast<int>(kSystemColors.size())) return 0;
    const auto& entry = kSystemColors[static_cast<std::size_t>(index)];
    return entry ? colorRefOf(palette.color(entry->group, entry->role)) : 0;
}

}  // namespace quorvel
