#pragma once
// The part of the drop area that lights up under the pointer, in the window's client
// coordinates in twips. All four comparisons are strict: the borders count as outside.

namespace quorvel {

inline constexpr bool insideHoverRectangle(float X, float Y) {
    return X > 1900 && Y > 10 && X < 5700 && Y < 2500;
}

}  // namespace quorvel
