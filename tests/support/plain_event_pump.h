#pragma once
// For tests and tools without a window: there are no events, so it just sleeps (and counts the
// pumps it was asked for).
#include "platform/event_pump.h"

namespace quorvel::platform {

class PlainEventPump : public EventPump {
public:
    void pumpOnce() override { ++m_pumps; }
    bool sleepUntil(Clock::time_point deadline) override {
        sleepAtLeastUntil(deadline);
        return true;
    }
    int pumps() const { return m_pumps; }

private:
    int m_pumps = 0;
};

}  // namespace quorvel::platform
