#pragma once
// Form1View over the Win32 window's child windows. lstFile is the 8-bit list box; the exact
// paths listed are kept beside it, so a name the code page cannot carry still names the user's
// file when the batch reports it.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "control_placement.h"
#include "dpi_pass.h"
#include "form1_view.h"
#include "run_timer.h"
#include "win32_controls.h"

namespace quorvel::win32 {

class Win32Form1View : public Form1View {
public:
    Win32Form1View(HWND form, const Win32Controls& controls, RunTimer& timerRun)
        : m_form(form), m_controls(controls), m_placement(controls), m_timerRun(timerRun) {}

    std::string text(ControlId control) const override;
    void setText(ControlId control, const std::string& text) override;
    void setEnabled(ControlId control, bool enabled) override;
    void setVisible(ControlId control, bool visible) override;
    bool hasFocus(ControlId control) const override;
    void focusWindow() override;

    int entryCount() const override { return static_cast<int>(m_entries.size()); }
    std::string entry(int index) const override;
    void appendEntry(const std::string& path) override;
    void removeFirstEntries(int count) override;

    void startRunTimer() override { m_timerRun.start(); }
    void stopRunTimer() override { m_timerRun.stop(); }

    void repaintPicture() override;
    void placeControls(const Form1Layout& layout, const ScreenDensity& density) override;
    // The system draws the frame: the window takes the outer size of start-up step 8 (from the
    // layout last placed) itself, and its client area is what that frame leaves.
    void fixClientSize(int widthPixels, int heightPixels) override;

    WindowHandle handle() const override { return m_form; }
    void runLater(int milliseconds, std::function<void()> action) override;
    // WM_TIMER of a timer that runLater set; false for any other timer.
    bool runDue(UINT_PTR timerId);

    // Placed at the density the last placeControls was given.
    ScreenDensity density() const { return m_density; }

private:
    HWND control(ControlId id) const { return m_controls.byIndex[id]; }

    HWND m_form;
    const Win32Controls& m_controls;
    ControlPlacement m_placement;
    RunTimer& m_timerRun;
    const Form1Layout* m_layout = nullptr;
    ScreenDensity m_density;
    std::vector<std::string> m_entries;
    std::map<UINT_PTR, std::function<void()>> m_later;
    UINT_PTR m_nextLaterId = kFirstLaterTimerId;

    static constexpr UINT_PTR kFirstLaterTimerId = 1000;
};

}  // namespace quorvel::win32
