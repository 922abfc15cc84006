#pragma once
#include <QColor>

#include "dialog_records.h"

class QPalette;

namespace quorvel {

ColorRef colorRefOf(const QColor& color);
QColor qColorOf(ColorRef color);

// The colour of a Windows system-colour index (COLOR_BTNFACE is 15) as the palette shows the
// matching role; 0 for an index that names no system colour.
ColorRef systemColorOf(int index, const QPalette& palette);

}  // namespace quorvel
