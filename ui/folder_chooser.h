#pragma once
// The folder chooser of the output folder: modal to its owner, only file-system folders can
// be confirmed, and no folder is preselected.
#include <QString>
#include <optional>

class QWidget;

namespace quorvel {

class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    // The chosen folder's path as given, or nullopt when the user cancelled.
    virtual std::optional<QString> chooseFolder(QWidget* owner, const QString& title) = 0;
};

// QFileDialog::getExistingDirectory.
FolderChooser& qtFolderChooser();

}  // namespace quorvel
