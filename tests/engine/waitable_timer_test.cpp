#include "waitable_timer.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace quorvel {
namespace {

using Clock = platform::EventPump::Clock;
using namespace std::chrono_literals;

// A pump with a queue of posted events: a sleep wakes early when an event is queued, and a
// pump runs what is queued. Events may post further events with a delay.
class QueueEventPump : public platform::EventPump {
public:
    void post(Clock::time_point when, std::function<void()> event) {
        m_queue.push_back({when, std::move(event)});
    }
    void pumpOnce() override {
        ++pumps;
        const auto now = Clock::now();
        std::deque<Posted> later;
        auto due = std::move(m_queue);
        m_queue.clear();
        for (auto& p : due) {
            if (p.when <= now)
                p.event();
            else
                later.push_back(std::move(p));
        }
        for (auto& p : later) m_queue.push_back(std::move(p));
    }
    bool sleepUntil(Clock::time_point deadline) override {
        ++sleeps;
        auto wake = deadline;
        for (const auto& p : m_queue) wake = std::min(wake, p.when);
        platform::sleepAtLeastUntil(wake);
        return Clock::now() >= deadline;
    }
    int pumps = 0;
    int sleeps = 0;

private:
    struct Posted {
        Clock::time_point when;
        std::function<void()> event;
    };
    std::deque<Posted> m_queue;
};

TEST(clsWaitableTimer, ReturnsNoEarlierThanTheDueTimeAndPumpsOnceWithoutEvents) {
    for (int ms : {0, 1, 50}) {
        QueueEventPump pump;
        clsWaitableTimer timer(pump);
        const auto start = Clock::now();
        timer.Wait(ms);
        EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(ms));
        EXPECT_EQ(pump.sleeps, 1) << ms;
        EXPECT_EQ(pump.pumps, 1) << ms;
        EXPECT_FALSE(timer.timerOpen());
    }
}

TEST(clsWaitableTimer, HandlesEventsThatArriveDuringTheWaitBeforeReturning) {
    QueueEventPump pump;
    clsWaitableTimer timer(pump);
    const auto start = Clock::now();
    std::vector<Clock::duration> handledAt;
    // The second event is posted by the first, so the two need two wakes however late the
    // first one comes on a busy machine; the wait is long enough that both fall inside it.
    pump.post(start + 10ms, [&] {
        handledAt.push_back(Clock::now() - start);
        pump.post(Clock::now() + 10ms, [&] { handledAt.push_back(Clock::now() - start); });
    });
    timer.Wait(300);
    ASSERT_EQ(handledAt.size(), 2u);
    EXPECT_LT(handledAt[1], 300ms);  // handled while waiting, not after
    EXPECT_GE(Clock::now() - start, 300ms);
    EXPECT_GE(pump.pumps, 3);  // after each wake, and once more at the end
}

TEST(clsWaitableTimer, NegativeTimeReturnsAtOnce) {
    QueueEventPump pump;
    clsWaitableTimer timer(pump);
    timer.Wait(-5);
    EXPECT_EQ(pump.pumps, 1);
}

TEST(clsWaitableTimer, AnErrorRaisedByAnEventComesBackPrefixedAndLeavesTheTimerOpen) {
    QueueEventPump pump;
    clsWaitableTimer timer(pump);
    pump.post(Clock::now(), [] { throw std::runtime_error("handler failed"); });
    try {
        timer.Wait(10);
        FAIL() << "no error";
    } catch (const WaitError& e) {
        EXPECT_STREQ(e.what(), "[clsWaitableTimer.Wait]handler failed");
    }
    EXPECT_TRUE(timer.timerOpen());
}

TEST(clsWaitableTimer, NestedWaitsKeepTheirOwnDueTimes) {
    QueueEventPump pump;
    clsWaitableTimer outer(pump);
    const auto start = Clock::now();
    Clock::duration innerEnded{};
    pump.post(start + 5ms, [&] {
        clsWaitableTimer inner(pump);
        inner.Wait(10);
        innerEnded = Clock::now() - start;
    });
    outer.Wait(40);
    EXPECT_GE(innerEnded, 15ms);
    EXPECT_GE(Clock::now() - start, 40ms);
}

}  // namespace
}  // namespace quorvel
