#include "platform/process_table.h"

#include <algorithm>
#include <cctype>

namespace quorvel::platform {

bool sameExecutableName(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace quorvel::platform
