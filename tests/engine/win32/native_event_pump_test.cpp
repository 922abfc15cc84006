#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/native_event_pump.h"
#include "waitable_timer.h"

namespace quorvel::platform {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

int g_handled = 0;

LRESULT CALLBACK countingProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_APP) ++g_handled;
    return DefWindowProcA(window, message, w, l);
}

// A message-only window on this thread, to which another thread posts during the wait.
HWND makeMessageWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = countingProc;
    windowClass.lpszClassName = "QuorvelPumpTest";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "QuorvelPumpTest", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           nullptr, nullptr);
}

TEST(NativeEventPump, FiftyMillisecondWaitDispatchesAPostedMessageBeforeReturning) {
    HWND window = makeMessageWindow();
    ASSERT_NE(window, nullptr);
    g_handled = 0;
    NativeEventPump pump;
    clsWaitableTimer timer(pump);
    std::thread poster([window] {
        std::this_thread::sleep_for(10ms);
        PostMessageA(window, WM_APP, 0, 0);
    });
    const auto start = Clock::now();
    timer.Wait(50);
    const auto elapsed = Clock::now() - start;
    // Messages are dispatched only inside a wait: should a busy machine hold the poster past the
    // first one, the next wait must still take the message.
    for (int wait = 0; wait < 40 && g_handled == 0; ++wait) timer.Wait(50);
    poster.join();
    EXPECT_EQ(g_handled, 1);
    EXPECT_GE(elapsed, 50ms);
    EXPECT_FALSE(timer.timerOpen());
    DestroyWindow(window);
}

TEST(NativeEventPump, ZeroWaitEndsAtOnce) {
    NativeEventPump pump;
    clsWaitableTimer timer(pump);
    const auto start = Clock::now();
    timer.Wait(0);
    EXPECT_LT(Clock::now() - start, 2s);
}

}  // namespace
}  // namespace quorvel::platform
