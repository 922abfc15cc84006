#pragma once

namespace quorvel {

// The owner of a dialog, opaque to the shared code: the Qt shell passes its QWidget*, the Win32
// shell its HWND. Only the backend of the same toolkit looks inside.
using WindowHandle = void*;

}  // namespace quorvel
