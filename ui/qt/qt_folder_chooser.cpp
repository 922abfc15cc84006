#include "folder_chooser.h"

#include <QDir>
#include <QFileDialog>

namespace quorvel {
namespace {

class QtFolderChooser : public FolderChooser {
public:
    std::optional<QString> chooseFolder(QWidget* owner, const QString& title) override {
        const QString folder = QFileDialog::getExistingDirectory(owner, title);
        if (folder.isEmpty()) return std::nullopt;
        return QDir::toNativeSeparators(folder);
    }
};

}  // namespace

FolderChooser& qtFolderChooser() {
    static QtFolderChooser chooser;
    return chooser;
}

}  // namespace quorvel
