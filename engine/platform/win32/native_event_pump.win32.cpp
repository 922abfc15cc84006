#include "platform/native_event_pump.h"

#include <windows.h>

#include <chrono>
#include <ctime>
#include <stdexcept>
#include <string>

namespace quorvel::platform {
namespace {

// "<exe name>Timer<NNSS>": the program's name without folder and extension, then the minutes
// and seconds of this moment.
std::string timerName() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name = name.substr(name.find_last_of("\\/") + 1);
    name = name.substr(0, name.rfind('.'));
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    char nnss[8];
    std::strftime(nnss, sizeof nnss, "%M%S", &local);
    return name + "Timer" + nnss;
}

}  // namespace

void NativeEventPump::pumpOnce() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool NativeEventPump::sleepUntil(Clock::time_point deadline) {
    using namespace std::chrono;
    const auto remaining = duration_cast<nanoseconds>(deadline - Clock::now());
    LARGE_INTEGER due;
    due.QuadPart = -std::max<long long>(0, (remaining.count() + 99) / 100);  // relative, 100 ns
    // Manual reset: once fired it stays signalled, so a later wait on it ends at once.
    HANDLE timer = CreateWaitableTimerA(nullptr, TRUE, timerName().c_str());
    if (!timer)
        throw std::runtime_error("CreateWaitableTimer failed: " + std::to_string(GetLastError()));
    SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE);
    // QS_ALLINPUT without raw input (0xFF): keys, mouse, posted, timer, paint, sent, hot keys.
    const DWORD answer = MsgWaitForMultipleObjects(1, &timer, FALSE, INFINITE, 0xFF);
    CloseHandle(timer);
    if (answer == WAIT_OBJECT_0) return Clock::now() >= deadline;
    if (answer == WAIT_OBJECT_0 + 1) return false;
    throw std::runtime_error("MsgWaitForMultipleObjects answered " + std::to_string(answer));
}

}  // namespace quorvel::platform
