#pragma once
#include "platform/event_pump.h"

namespace quorvel::platform {

// The thread's own message queue, for programs without a toolkit of their own. On Windows it
// pumps window messages and sleeps on a waitable timer that also wakes for input and messages;
// a failed wait raises std::runtime_error instead of spinning. On POSIX, where such a program
// has no queue, it just sleeps.
class NativeEventPump : public EventPump {
public:
    void pumpOnce() override;
    bool sleepUntil(Clock::time_point deadline) override;
};

}  // namespace quorvel::platform
