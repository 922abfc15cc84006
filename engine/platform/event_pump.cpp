#include "platform/event_pump.h"

#include <thread>

namespace quorvel::platform {

bool PlainEventPump::sleepUntil(Clock::time_point deadline) {
    std::this_thread::sleep_until(deadline);
    return Clock::now() >= deadline;
}

}  // namespace quorvel::platform
