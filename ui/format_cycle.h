#pragma once
// The output formats a click on lblFormat steps through, one step per click.
#include <QString>

namespace quorvel {

// The caption after a click: JPG, PNG, GIF, TIF, BMP, then JPG again. A caption that is none of
// these (exactly, case included) is returned unchanged.
QString nextFormat(const QString& caption);

}  // namespace quorvel
