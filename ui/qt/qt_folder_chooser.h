#pragma once
#include "folder_chooser.h"

namespace quorvel {

// QFileDialog::getExistingDirectory; the owner is the window's QWidget*.
FolderChooser& qtFolderChooser();

}  // namespace quorvel
