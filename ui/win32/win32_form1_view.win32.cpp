#include "win32_form1_view.h"

#include <algorithm>

#include "control_text.h"
#include "form1_layout.h"

namespace quorvel::win32 {

std::string Win32Form1View::text(ControlId id) const {
    HWND shown = control(id);
    return shown ? controlText(shown) : std::string();
}

void Win32Form1View::setText(ControlId id, const std::string& text) {
    HWND shown = control(id);
    if (!shown) return;
    setControlText(shown, text);
    m_placement.fitToCaption(shown);
}

void Win32Form1View::setEnabled(ControlId id, bool enabled) {
    if (HWND shown = control(id)) EnableWindow(shown, enabled);
}

void Win32Form1View::setVisible(ControlId id, bool visible) {
    if (HWND shown = control(id)) ShowWindow(shown, visible ? SW_SHOWNA : SW_HIDE);
}

bool Win32Form1View::hasFocus(ControlId id) const {
    return control(id) && GetFocus() == control(id);
}

void Win32Form1View::focusWindow() { SetFocus(m_form); }

std::string Win32Form1View::entry(int index) const {
    if (index < 0 || index >= entryCount()) return "";
    return m_entries[static_cast<std::size_t>(index)];
}

void Win32Form1View::appendEntry(const std::string& path) {
    m_entries.push_back(path);
    SendMessageA(QUORVEL_CONTROL(m_controls, lstFile), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(ansiText(path).c_str()));
}

void Win32Form1View::removeFirstEntries(int count) {
    const int removed = std::clamp(count, 0, entryCount());
    m_entries.erase(m_entries.begin(), m_entries.begin() + removed);
    for (int i = 0; i < removed; ++i)
        SendMessageA(QUORVEL_CONTROL(m_controls, lstFile), LB_DELETESTRING, 0, 0);
}

void Win32Form1View::repaintPicture() {
    // The labels draw the picture behind their text, so they are painted again with it.
    RedrawWindow(m_form, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Win32Form1View::placeControls(const Form1Layout& layout, const ScreenDensity& density) {
    m_layout = &layout;
    m_density = density;
    m_placement.place(layout, density);
}

void Win32Form1View::fixClientSize(int, int) {
    if (!m_layout) return;
    const TwipsSize outer = m_layout->outerSize(m_density);
    const int width = pixelsOf(outer.width, m_density.twipsPerPixelX);
    const int height = pixelsOf(outer.height, m_density.twipsPerPixelY);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(m_form, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form1View::runLater(int milliseconds, std::function<void()> action) {
    const UINT_PTR id = m_nextLaterId++;
    m_later.emplace(id, std::move(action));
    SetTimer(m_form, id, static_cast<UINT>(std::max(milliseconds, 0)), nullptr);
}

bool Win32Form1View::runDue(UINT_PTR timerId) {
    const auto due = m_later.find(timerId);
    if (due == m_later.end()) return false;
    KillTimer(m_form, timerId);
    // Taken out first: the action may run a whole batch, inside which other timers fire.
    const std::function<void()> action = std::move(due->second);
    m_later.erase(due);
    action();
    return true;
}

}  // namespace quorvel::win32
