#include "platform/clock.h"

#include <windows.h>

namespace quorvel::platform {
namespace {

class SystemClock : public LocalClock {
public:
    LocalDateTime now() const override {
        SYSTEMTIME local{};
        GetLocalTime(&local);
        return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
    }
};

}  // namespace

const LocalClock& systemClock() {
    static const SystemClock clock;
    return clock;
}

}  // namespace quorvel::platform
