// The dialog backend over Qt's own dialogs.
#include "qt_dialog_backend.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>

#include "chosen_files.h"
#include "file_dialog_buffers.h"
#include "qt_name_filters.h"
#include "qt_utf16.h"
#include "system_colors.h"

namespace quorvel {
namespace {

QWidget* ownerOf(WindowHandle owner) { return static_cast<QWidget*>(owner); }

void describe(QFileDialog& dialog, const FileDialogRecord& record) {
    if (record.caption) dialog.setWindowTitle(qStringOf(*record.caption));
    const QStringList filters = qtNameFilters(record.filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.value(record.filterIndex - 1, filters.first()));
    const QString folder = qStringOf(beforeFirstNul(record.initialFolder));
    if (!folder.isEmpty()) dialog.setDirectory(folder);
    const QString file = qStringOf(beforeFirstNul(record.file));
    if (!file.isEmpty()) dialog.selectFile(file);
    if (record.defaultExtension) dialog.setDefaultSuffix(qStringOf(*record.defaultExtension));
}

bool answer(QFileDialog& dialog, FileDialogRecord& record) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    writeChosenFiles(record, dialog.selectedFiles());
    return true;
}

class QtDialogBackend : public DialogBackend {
public:
    bool showOpen(FileDialogRecord& record) override {
        QFileDialog dialog(ownerOf(record.owner));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        const bool multiple = record.flags & kAllowMultiSelect;
        dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        describe(dialog, record);
        return answer(dialog, record);
    }

    bool showSave(FileDialogRecord& record) override {
        QFileDialog dialog(ownerOf(record.owner));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !(record.flags & kOverwritePrompt));
        describe(dialog, record);
        return answer(dialog, record);
    }

    bool showColor(ColorDialogRecord& record) override {
        CustomColors& custom = *record.customColors;
        // Qt keeps one set of custom colours for the whole program; each record brings its own.
        for (std::size_t i = 0; i < custom.size(); ++i)
            QColorDialog::setCustomColor(static_cast<int>(i), qColorOf(custom[i]));
        QColorDialog dialog(qColorOf(record.color), ownerOf(record.owner));
        if (dialog.exec() != QDialog::Accepted) return false;
        for (std::size_t i = 0; i < custom.size(); ++i)
            custom[i] = colorRefOf(QColorDialog::customColor(static_cast<int>(i)));
        record.color = colorRefOf(dialog.selectedColor());
        return true;
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
