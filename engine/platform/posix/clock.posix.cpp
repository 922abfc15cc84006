#include "platform/clock.h"

#include <ctime>

namespace quorvel::platform {
namespace {

class SystemClock : public LocalClock {
public:
    LocalDateTime now() const override {
        const std::time_t seconds = std::time(nullptr);
        std::tm local{};
        localtime_r(&seconds, &local);  // the reentrant form: no shared static buffer
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                local.tm_hour,        local.tm_min,     local.tm_sec};
    }
};

}  // namespace

const LocalClock& systemClock() {
    static const SystemClock clock;
    return clock;
}

}  // namespace quorvel::platform
