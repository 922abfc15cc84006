#include "platform/native_event_pump.h"

namespace quorvel::platform {

void NativeEventPump::pumpOnce() {}

bool NativeEventPump::sleepUntil(Clock::time_point deadline) {
    sleepAtLeastUntil(deadline);
    return true;
}

}  // namespace quorvel::platform
