#pragma once
// Where each control of Form1 sits, in twips, and its place in pixels at the display's
// density. The twips are the controls' own properties: the DPI pass rewrites them.
#include <array>
#include <string_view>

#include "control_table.h"
#include "dpi_pass.h"
#include "form1_view.h"

namespace quorvel {

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class Form1Layout {
public:
    // Every control of the table at its design geometry.
    Form1Layout();

    // The DPI pass: scales every control's properties for `density`, in creation order.
    void runDpiPass(const ScreenDensity& density);

    const TwipsGeometry& geometry(ControlId control) const { return m_geometry[control]; }
    // Throws std::out_of_range for a name that is not in the table.
    const TwipsGeometry& geometry(std::string_view name) const;
    // The control's twips converted to pixels at `density`; a missing size is 0.
    PixelRect pixelRect(ControlId control, const ScreenDensity& density) const;

    // Start-up step 8 from the geometry as the pass left it.
    TwipsSize outerSize(const ScreenDensity& density) const;

private:
    std::array<TwipsGeometry, kControls.size()> m_geometry;
};

}  // namespace quorvel
