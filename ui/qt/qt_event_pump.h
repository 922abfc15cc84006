#pragma once
// The window's event loop for the engine: one pass handles what is pending; a sleep runs a
// nested event loop, so the window keeps handling events, until a precise timer ends it.
#include "platform/event_pump.h"

namespace quorvel {

class QtEventPump : public platform::EventPump {
public:
    void pumpOnce() override;
    bool sleepUntil(Clock::time_point deadline) override;
};

// The program's one pump.
QtEventPump& qtEventPump();

}  // namespace quorvel
