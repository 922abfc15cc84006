#pragma once
// The folder chooser of the output folder: modal to its owner, only file-system folders can
// be confirmed, and no folder is preselected.
#include <optional>
#include <string>

#include "window_handle.h"

namespace quorvel {

class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    // The chosen folder's path (UTF-8, the platform's separators), or nullopt when the user
    // cancelled.
    virtual std::optional<std::string> chooseFolder(WindowHandle owner,
                                                    const std::string& title) = 0;
};

}  // namespace quorvel
