#pragma once
#include "platform/event_pump.h"

namespace quorvel::platform {

// The thread's own Windows message queue, for a window without a toolkit of its own: it pumps
// window messages and sleeps on a waitable timer that also wakes for input and messages; a
// failed wait raises std::runtime_error instead of spinning. Windows only: on Linux the window
// is Qt's, and tests without one use PlainEventPump.
class NativeEventPump : public EventPump {
public:
    void pumpOnce() override;
    bool sleepUntil(Clock::time_point deadline) override;
};

}  // namespace quorvel::platform
