#pragma once
// Where each control of Form1 sits, in twips, and its placement in pixels at the display's
// density. The twips are the controls' own properties: the DPI pass rewrites them.
#include <QObject>
#include <QPointer>
#include <string_view>
#include <vector>

#include "control_table.h"
#include "dpi_pass.h"

class QWidget;

namespace quorvel {

class Form1Layout {
public:
    // Takes every control of the table from `form` (created by createControls) with its design
    // geometry, in creation order.
    explicit Form1Layout(QWidget& form);

    // Puts each control at its twips geometry converted to pixels at `density`, with its font
    // at its point size; labels that fit their caption are sized to it again.
    void place(const ScreenDensity& density) const;

    // The DPI pass: scales every control's properties for `density`, in creation order.
    void runDpiPass(const ScreenDensity& density);

    const TwipsGeometry& geometry(std::string_view name) const;

private:
    struct Placed {
        QPointer<QObject> control;
        const ControlSpec* spec;
        TwipsGeometry geometry;
    };
    std::vector<Placed> m_controls;
};

}  // namespace quorvel
