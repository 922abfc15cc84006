#include "platform/process_table.h"

#include "platform/ascii_case.h"

namespace quorvel::platform {
namespace {

class SystemProcessTable final : public ProcessTable {
public:
    bool isRunning(std::string_view exeName) const override { return isProcessRunning(exeName); }
};

}  // namespace

bool sameExecutableName(std::string_view a, std::string_view b) {
    return equalIgnoringAsciiCase(a, b);
}

const ProcessTable& systemProcessTable() {
    static const SystemProcessTable table;
    return table;
}

}  // namespace quorvel::platform
