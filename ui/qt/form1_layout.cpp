#include "form1_layout.h"

#include <QWidget>
#include <stdexcept>
#include <string>

#include "caption_label.h"
#include "control_looks.h"

namespace quorvel {
namespace {

QRect pixelRect(const TwipsGeometry& g, const ScreenDensity& density) {
    return QRect(pixelsOf(g.Left, density.twipsPerPixelX), pixelsOf(g.Top, density.twipsPerPixelY),
                 pixelsOf(g.Width.value_or(0), density.twipsPerPixelX),
                 pixelsOf(g.Height.value_or(0), density.twipsPerPixelY));
}

void placeWidget(QWidget& widget, const ControlSpec& spec, const TwipsGeometry& g,
                 const ScreenDensity& density) {
    widget.setGeometry(pixelRect(g, density));
    if (g.FontSize) widget.setFont(fontFor(spec.look, *g.FontSize));
    if (auto* label = qobject_cast<CaptionLabel*>(&widget)) label->fitToCaption();
}

}  // namespace

Form1Layout::Form1Layout(QWidget& form) {
    for (const ControlSpec& spec : kControls) {
        const QString name = QString::fromUtf8(spec.name.data(),
                                               static_cast<qsizetype>(spec.name.size()));
        QObject* control = form.findChild<QObject*>(name, Qt::FindDirectChildrenOnly);
        m_controls.push_back({control, &spec, spec.geometry});
    }
}

void Form1Layout::place(const ScreenDensity& density) const {
    for (const Placed& placed : m_controls)
        if (auto* widget = qobject_cast<QWidget*>(placed.control.data()))
            placeWidget(*widget, *placed.spec, placed.geometry, density);
}

void Form1Layout::runDpiPass(const ScreenDensity& density) {
    for (Placed& placed : m_controls) placed.geometry = scaledForDensity(placed.geometry, density);
    place(density);
}

const TwipsGeometry& Form1Layout::geometry(std::string_view name) const {
    for (const Placed& placed : m_controls)
        if (placed.spec->name == name) return placed.geometry;
    throw std::out_of_range("no control named " + std::string(name));
}

}  // namespace quorvel
