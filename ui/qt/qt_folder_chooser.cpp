#include "qt_folder_chooser.h"

#include <QDir>
#include <QFileDialog>

namespace quorvel {
namespace {

class QtFolderChooser : public FolderChooser {
public:
    std::optional<std::string> chooseFolder(WindowHandle owner,
                                            const std::string& title) override {
        const QString folder = QFileDialog::getExistingDirectory(static_cast<QWidget*>(owner),
                                                                 QString::fromStdString(title));
        if (folder.isEmpty()) return std::nullopt;
        return QDir::toNativeSeparators(folder).toStdString();
    }
};

}  // namespace

FolderChooser& qtFolderChooser() {
    static QtFolderChooser chooser;
    return chooser;
}

}  // namespace quorvel
