#pragma once
// A Form1View without a toolkit: each control keeps its text, state and focus in plain fields,
// starting from its design values; what the window is asked to do later (runLater) waits in a
// queue until the test runs it.
#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "control_table.h"
#include "form1_view.h"

namespace quorvel::test {

class FakeForm1View : public Form1View {
public:
    struct Control {
        std::string text;
        bool enabled = true;
        bool visible = true;
    };
    struct Later {
        int milliseconds;
        std::function<void()> action;
    };

    FakeForm1View() {
        for (std::size_t i = 0; i < kControls.size(); ++i)
            controls[i] = {std::string(kControls[i].text), kControls[i].enabled,
                           kControls[i].look != ControlLook::Hidden};
    }

    std::string text(ControlId id) const override { return controls.at(id).text; }
    void setText(ControlId id, const std::string& text) override { controls.at(id).text = text; }
    void setEnabled(ControlId id, bool enabled) override {
        controls.at(id).enabled = enabled;
        if (!enabled && focus == static_cast<int>(id)) focus = kNoFocus;
    }
    void setVisible(ControlId id, bool visible) override { controls.at(id).visible = visible; }
    bool hasFocus(ControlId id) const override { return focus == static_cast<int>(id); }
    void focusWindow() override { focus = kWindowFocus; }

    int entryCount() const override { return static_cast<int>(entries.size()); }
    std::string entry(int index) const override { return entries.at(index); }
    void appendEntry(const std::string& path) override { entries.push_back(path); }
    void removeFirstEntries(int count) override {
        for (int i = 0; i < count && !entries.empty(); ++i) entries.erase(entries.begin());
    }

    void startRunTimer() override { timerActive = true; }
    void stopRunTimer() override { timerActive = false; }

    void repaintPicture() override { ++repaints; }
    void placeControls(const Form1Layout&, const ScreenDensity&) override { ++placements; }
    void fixClientSize(int widthPixels, int heightPixels) override {
        clientSize = {widthPixels, heightPixels};
    }

    WindowHandle handle() const override { return const_cast<FakeForm1View*>(this); }
    void runLater(int milliseconds, std::function<void()> action) override {
        later.push_back({milliseconds, std::move(action)});
    }
    // Runs what waits, in order, also what it queues meanwhile.
    void runPending() {
        while (!later.empty()) {
            Later next = std::move(later.front());
            later.pop_front();
            next.action();
        }
    }

    static constexpr int kNoFocus = -1;
    static constexpr int kWindowFocus = -2;

    std::array<Control, kControls.size()> controls;
    int focus = kNoFocus;
    std::vector<std::string> entries;
    bool timerActive = false;
    int repaints = 0;
    int placements = 0;
    std::array<int, 2> clientSize{};
    std::deque<Later> later;
};

}  // namespace quorvel::test
