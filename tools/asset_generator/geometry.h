#pragma once
// The binding geometry of the drop-area pictures, in pixels. The artwork around it is ours.
#include <QRect>
#include <QSize>

namespace quorvel::assets {

inline constexpr QSize kDropAreaSize{476, 245};
// The emblem: x 185 to 291, y 19 to 118, both ends included.
inline constexpr QRect kEmblemBox{QPoint(185, 19), QPoint(291, 118)};
// The only part in which the highlighted picture differs from the normal one.
inline constexpr QRect kGlowBox{QPoint(176, 13), QPoint(299, 126)};
// The engraved rule: a dark line over a light line, across the whole width.
inline constexpr int kRuleDarkY = 172;
inline constexpr int kRuleLightY = 173;

inline constexpr QSize kPointerSize{32, 32};
inline constexpr QPoint kPointerHotSpot{6, 0};

inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256, 512};
// The device pixel ratios the drop-area pictures and the pointer are drawn for.
inline constexpr int kPictureScales[] = {1, 2, 3};

}  // namespace quorvel::assets
