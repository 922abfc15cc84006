#pragma once
// Pictures kept in the program as PNG files (RCDATA resources), decoded with the system's
// imaging component into 32-bit top-down DIB sections, drawn as they are.
#include <windows.h>

namespace quorvel::win32 {

// Null when the resource is missing or cannot be decoded. The caller owns the bitmap.
HBITMAP loadPngResource(int id);

// A colour pointer made from a PNG resource, with its hot spot; null on failure.
HCURSOR loadPngCursor(int id, int hotSpotX, int hotSpotY);

}  // namespace quorvel::win32
