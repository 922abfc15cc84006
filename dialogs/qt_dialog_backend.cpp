// The dialog backend over Qt's own dialogs.
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>

#include "dialog_backend.h"
#include "system_colors.h"

namespace quorvel {
namespace {

void describe(QFileDialog& dialog, const FileDialogRequest& request) {
    if (!request.caption.isEmpty()) dialog.setWindowTitle(request.caption);
    dialog.setNameFilters(request.nameFilters);
    if (!request.nameFilters.isEmpty())
        dialog.selectNameFilter(request.nameFilters.value(request.filterIndex - 1,
                                                          request.nameFilters.first()));
    if (!request.initialFolder.isEmpty()) dialog.setDirectory(request.initialFolder);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    dialog.setDefaultSuffix(request.defaultExtension);
}

FileDialogAnswer answerOf(QFileDialog& dialog, const FileDialogRequest& request) {
    FileDialogAnswer answer;
    answer.confirmed = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    if (answer.confirmed) answer.files = dialog.selectedFiles();
    answer.flags = request.flags;
    return answer;
}

class QtDialogBackend : public DialogBackend {
public:
    FileDialogAnswer showOpen(const FileDialogRequest& request) override {
        QFileDialog dialog(request.owner);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        const bool multiple = request.flags & kAllowMultiSelect;
        dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        describe(dialog, request);
        return answerOf(dialog, request);
    }

    FileDialogAnswer showSave(const FileDialogRequest& request) override {
        QFileDialog dialog(request.owner);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite,
                         !(request.flags & kOverwritePrompt));
        describe(dialog, request);
        return answerOf(dialog, request);
    }

    std::optional<ColorRef> showColor(QWidget* owner, ColorRef initial,
                                      CustomColors& customColors) override {
        // Qt keeps one set of custom colours for the whole program; each object brings its own.
        for (std::size_t i = 0; i < customColors.size(); ++i)
            QColorDialog::setCustomColor(static_cast<int>(i), qColorOf(customColors[i]));
        QColorDialog dialog(qColorOf(initial), owner);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        for (std::size_t i = 0; i < customColors.size(); ++i)
            customColors[i] = colorRefOf(QColorDialog::customColor(static_cast<int>(i)));
        return colorRefOf(dialog.selectedColor());
    }

    ColorRef systemColor(int index) const override {
        return systemColorOf(index, QApplication::palette());
    }
};

}  // namespace

DialogBackend& qtDialogBackend() {
    static QtDialogBackend backend;
    return backend;
}

}  // namespace quorvel
