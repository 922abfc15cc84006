#pragma once
// Stand-ins for the window's outside world, without a toolkit: a recording shell and message
// box, a scripted folder chooser and a recording settings store.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "folder_chooser.h"
#include "option_settings.h"
#include "platform/user_messages.h"
#include "shell_opener.h"

namespace quorvel::test {

class RecordingOpener : public ShellOpener {
public:
    void openFolder(const std::string& folder) override { folders.push_back(folder); }
    void openAddress(const std::string& address) override { addresses.push_back(address); }
    std::vector<std::string> folders;
    std::vector<std::string> addresses;
};

class RecordingMessages : public platform::UserMessages {
public:
    void showCritical(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// Answers each chooser with the next scripted folder (nullopt: a cancel; a cancel when none is
// left) and keeps every title and owner it was shown with.
class ScriptedFolders : public FolderChooser {
public:
    std::optional<std::string> chooseFolder(WindowHandle owner,
                                            const std::string& title) override {
        titles.push_back(title);
        owners.push_back(owner);
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> titles;
    std::vector<WindowHandle> owners;
};

}  // namespace quorvel::test
