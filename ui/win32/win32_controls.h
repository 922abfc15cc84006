#pragma once
// The child windows of Form1, created from the control table with their design values, in
// creation order. Each is an HWND of the window; the timer has none (run_timer.h).
#include <windows.h>

#include <array>

#include "control_table.h"

namespace quorvel::win32 {

// The child window id of a table entry: its position in the table, from 100 on.
constexpr int controlId(std::size_t index) { return 100 + static_cast<int>(index); }

struct Win32Controls {
    // Every entry of the table in its order; null for the timer.
    std::array<HWND, kControls.size()> byIndex{};

    template <std::size_t index>
    HWND at() const {
        static_assert(index < kControls.size());
        return byIndex[index];
    }
    // The index of a child window of the table, or kControls.size() for any other window.
    std::size_t indexOf(HWND child) const;
};

// Creates every control of the table as a child of `form`, through the ANSI entry points, with
// its design text in the code page. Positions are set by the layout.
Win32Controls createControls(HWND form);

}  // namespace quorvel::win32

// The control of a table entry by its name; a name that is not in the table does not compile.
#define QUORVEL_CONTROL(controls, name) (controls).at<::quorvel::controlIndex(#name)>()
