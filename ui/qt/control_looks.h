#pragma once
// Fonts, colours and pointers of the window and its controls, and the pictures they show.
#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QPixmap>

#include "control_table.h"

class QWidget;

namespace quorvel {

inline const QColor kWindowBackground{64, 64, 64};
inline const QColor kCaptionColor{255, 255, 255};

// Verdana where it is installed, else DejaVu Sans, else the system's general font.
QString windowFontFamily();

// The font of a control of the given look at the given size in points.
QFont fontFor(ControlLook look, double pointSize);

// Colours, alignment and pointer of the look; fonts are set by the layout.
void applyLook(QWidget& widget, ControlLook look);

// The pointer and the pictures are drawn for the screen's device pixel ratio (1x, 2x or 3x,
// the next one up), with that ratio set, so they keep their 96-DPI logical size and stay
// sharp on a scaled desktop.
// The 32 x 32 pointing hand of the four clickable labels, hot spot at the fingertip (6, 0)
// in 96-DPI pixels.
QCursor handPointer(qreal devicePixelRatio = 1);
QIcon applicationIcon();
QPixmap normalDropAreaPicture(qreal devicePixelRatio = 1);
QPixmap highlightedDropAreaPicture(qreal devicePixelRatio = 1);

}  // namespace quorvel
