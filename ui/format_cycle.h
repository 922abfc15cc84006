#pragma once
// The output formats a click on lblFormat steps through, one step per click.
#include <string>
#include <string_view>

namespace quorvel {

// The caption after a click: JPG, PNG, GIF, TIF, BMP, then JPG again. A caption that is none of
// these (exactly, case included) is returned unchanged.
std::string nextFormat(std::string_view caption);

}  // namespace quorvel
