#pragma once
// What the conversion batch and the staging need from the main window. The window implements
// it over its real controls, so each option is read from its control at the moment it is
// needed; tests implement it with plain fields.
#include <string>

#include "failure_summary.h"

namespace quorvel {

class BatchWindow {
public:
    virtual ~BatchWindow() = default;

    // lstFile: the input paths, in list order. Indices start at 0.
    virtual int entryCount() const = 0;
    virtual std::string entry(int index) const = 0;
    virtual void appendEntry(const std::string& path) = 0;
    // Removes the first `count` entries (fewer when the list is shorter); later ones move up.
    virtual void removeFirstEntries(int count) = 0;

    // The options, taken from their controls on every call.
    virtual std::string quality() const = 0;       // text of Text1
    virtual std::string format() const = 0;        // caption of lblFormat
    virtual std::string resizeSwitch() const = 0;  // caption of Label5, "YES" or "NO"
    virtual std::string resizeWidth() const = 0;   // text of txtResize

    // Label1: the prompt, also the busy marker ("Conv..." while a batch converts).
    virtual std::string prompt() const = 0;
    virtual void setPrompt(const std::string& caption) = 0;
    virtual void showPrompt() = 0;  // makes Label1 visible

    // Shows the normal drop-area picture, that of picBack1.
    virtual void showNormalPicture() = 0;
    // Disables timerRun.
    virtual void disarmRunTimer() = 0;
    // Handles every pending window event once (the new caption gets painted). Any handler may
    // run here, including a drop, the timer's tick and the window's closing.
    virtual void yieldOnce() = 0;
    // Opens the folder in the desktop's file manager; a failure is ignored.
    virtual void openFolder(const std::string& folder) = 0;
    // Shows the batch's failure summary in a modal critical message box captioned "Quorvel":
    // its short text, with every entry in a scrollable details area.
    virtual void showFailureSummary(const FailureSummary& summary) = 0;
};

}  // namespace quorvel
