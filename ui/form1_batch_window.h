#pragma once
// The conversion batch's view of Form1: each call reads or writes the real control, at the
// moment the batch asks.
#include "batch_window.h"

namespace quorvel {

class DropAreaPictures;
class Form1View;
class ShellOpener;
namespace platform {
class EventPump;
class UserMessages;
}  // namespace platform

class Form1BatchWindow : public BatchWindow {
public:
    Form1BatchWindow(Form1View& view, DropAreaPictures& pictures, platform::EventPump& pump,
                     ShellOpener& opener, platform::UserMessages& messages)
        : m_view(view),
          m_pictures(pictures),
          m_pump(pump),
          m_opener(opener),
          m_messages(messages) {}

    int entryCount() const override;
    std::string entry(int index) const override;
    void appendEntry(const std::string& path) override;
    void removeFirstEntries(int count) override;

    std::string quality() const override;
    std::string format() const override;
    std::string resizeSwitch() const override;
    std::string resizeWidth() const override;

    std::string prompt() const override;
    void setPrompt(const std::string& caption) override;
    void showPrompt() override;

    void showNormalPicture() override;
    void disarmRunTimer() override;
    void yieldOnce() override;
    void openFolder(const std::string& folder) override;
    void showFailureSummary(const FailureSummary& summary) override;

private:
    Form1View& m_view;
    DropAreaPictures& m_pictures;
    platform::EventPump& m_pump;
    ShellOpener& m_opener;
    platform::UserMessages& m_messages;
};

}  // namespace quorvel
