#pragma once
// timerRun: a window timer of the form that ticks every interval while enabled. Ticks arrive
// as WM_TIMER with the timer's id, when the window's thread is idle.
#include <windows.h>

namespace quorvel::win32 {

class RunTimer {
public:
    RunTimer(HWND window, UINT_PTR id, UINT intervalMilliseconds)
        : m_window(window), m_id(id), m_interval(intervalMilliseconds) {}

    void start() { m_enabled = SetTimer(m_window, m_id, m_interval, nullptr) != 0; }
    void stop() {
        KillTimer(m_window, m_id);
        m_enabled = false;
    }
    bool enabled() const { return m_enabled; }
    UINT_PTR id() const { return m_id; }
    UINT interval() const { return m_interval; }

private:
    HWND m_window;
    UINT_PTR m_id;
    UINT m_interval;
    bool m_enabled = false;
};

}  // namespace quorvel::win32
