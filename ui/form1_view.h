#pragma once
// What the shared window logic asks of a toolkit's Form1: its controls by their place in the
// control table, the hidden list lstFile, the timer timerRun, and the window itself. The Qt
// shell implements it over its widgets, the Win32 shell over its HWNDs; text is UTF-8.
#include <cstddef>
#include <functional>
#include <string>

#include "control_table.h"
#include "window_handle.h"

namespace quorvel {

class Form1Layout;
struct ScreenDensity;

// A control's position in kControls.
using ControlId = std::size_t;

// The controls the shared logic works on. A name that is not in the table does not compile.
namespace ids {
inline constexpr ControlId Text1 = controlIndex("Text1");
inline constexpr ControlId txtResize = controlIndex("txtResize");
inline constexpr ControlId Command1 = controlIndex("Command1");
inline constexpr ControlId lblFormat = controlIndex("lblFormat");
inline constexpr ControlId Label5 = controlIndex("Label5");
inline constexpr ControlId lblPath = controlIndex("lblPath");
inline constexpr ControlId Label1 = controlIndex("Label1");
}  // namespace ids

class Form1View {
public:
    virtual ~Form1View() = default;

    // A label's or button's caption, a text box's text. Setting a label's caption sizes a label
    // that fits its caption to it again.
    virtual std::string text(ControlId control) const = 0;
    virtual void setText(ControlId control, const std::string& text) = 0;
    virtual void setEnabled(ControlId control, bool enabled) = 0;
    virtual void setVisible(ControlId control, bool visible) = 0;
    virtual bool hasFocus(ControlId control) const = 0;
    // Gives the keyboard focus to the window itself, away from every control.
    virtual void focusWindow() = 0;

    // lstFile: the input paths, in list order, each kept as the exact bytes appended.
    virtual int entryCount() const = 0;
    virtual std::string entry(int index) const = 0;
    virtual void appendEntry(const std::string& path) = 0;
    // Removes the first `count` entries (fewer when the list is shorter).
    virtual void removeFirstEntries(int count) = 0;

    // timerRun, at its interval kRunTimerInterval; each tick calls Form1Core::timerRun_Timer.
    virtual void startRunTimer() = 0;
    virtual void stopRunTimer() = 0;

    // Paints the window again: the drop area's picture changed.
    virtual void repaintPicture() = 0;
    // Puts every control at its place in `layout` converted to pixels at `density`, with its
    // font at its point size; labels that fit their caption are sized to it again.
    virtual void placeControls(const Form1Layout& layout, const ScreenDensity& density) = 0;
    // Gives the window this fixed client size and centres it on its screen.
    virtual void fixClientSize(int widthPixels, int heightPixels) = 0;

    // The window, as the owner of the dialogs it opens.
    virtual WindowHandle handle() const = 0;
    // Runs `action` from the event loop once `milliseconds` have passed and the event being
    // handled is done; never after the window is gone.
    virtual void runLater(int milliseconds, std::function<void()> action) = 0;
};

}  // namespace quorvel
