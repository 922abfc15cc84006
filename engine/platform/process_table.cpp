#include "platform/process_table.h"

#include "platform/ascii_case.h"

namespace quorvel::platform {

bool sameExecutableName(std::string_view a, std::string_view b) {
    return equalIgnoringAsciiCase(a, b);
}

}  // namespace quorvel::platform
