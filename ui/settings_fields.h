#pragma once
// The settings reader's rules for one value, applied to one line of the file (UTF-8).
#include <string>
#include <string_view>

namespace quorvel {

// Spaces before the value are skipped. A value that begins with a double quote ends at the
// next one, and the quotes are dropped. Any other value is the rest of the line: a comma is
// part of it. A plain number (optional sign, digits, optional decimal fraction) comes back in
// its shortest decimal form: "085" is "85", "+1.50" is "1.5", "-0" is "0".
std::string settingsValue(std::string_view line);

// The shortest decimal form of a plain number; "" when `text` is not one.
std::string shortestNumber(std::string_view text);

}  // namespace quorvel
