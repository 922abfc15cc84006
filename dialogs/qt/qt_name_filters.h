#pragma once
#include <QStringList>
#include <string_view>

namespace quorvel {

// Turns a filter buffer (description, pattern, description..., each followed by a NUL, the
// list ended by one more NUL) into Qt's name filters ("Description (*.a *.b)"), one per pair.
// Qt takes the patterns from the last parenthesised group, so descriptions that show their own
// "(*.NEF)" keep it. "*.*" matches every file on Windows, names without a dot included, so it
// becomes "*". As for the system's dialog, an empty item ends the list; a pair whose patterns
// are all blank is left out.
QStringList qtNameFilters(std::u16string_view filterBuffer);

}  // namespace quorvel
