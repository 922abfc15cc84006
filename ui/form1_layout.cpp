#include "form1_layout.h"

namespace quorvel {

Form1Layout::Form1Layout() {
    for (std::size_t i = 0; i < kControls.size(); ++i) m_geometry[i] = kControls[i].geometry;
}

void Form1Layout::runDpiPass(const ScreenDensity& density) {
    for (TwipsGeometry& geometry : m_geometry) geometry = scaledForDensity(geometry, density);
}

const TwipsGeometry& Form1Layout::geometry(std::string_view name) const {
    return m_geometry[&controlSpec(name) - kControls.data()];
}

PixelRect Form1Layout::pixelRect(ControlId control, const ScreenDensity& density) const {
    const TwipsGeometry& g = m_geometry[control];
    return {pixelsOf(g.Left, density.twipsPerPixelX), pixelsOf(g.Top, density.twipsPerPixelY),
            pixelsOf(g.Width.value_or(0), density.twipsPerPixelX),
            pixelsOf(g.Height.value_or(0), density.twipsPerPixelY)};
}

TwipsSize Form1Layout::outerSize(const ScreenDensity& density) const {
    return windowOuterSize(*geometry("picBack2").Width, geometry("Label3").Top, density);
}

}  // namespace quorvel
