#pragma once
// CommonDlgsW: the open, save and colour dialogs in their wide-character form, so a picked path
// comes back whole whatever characters it holds. The caller sets the public fields, calls one
// Show... method with the owner window, and reads the results back from the same fields.
// Fields keep what the last caller or the last confirmed dialog left in them.
#include <QString>
#include <cstdint>

#include "dialog_backend.h"

class QWidget;

namespace quorvel {

class CommonDlgsW {
public:
    explicit CommonDlgsW(DialogBackend& backend);

    std::int32_t Flags = 0;  // after a confirmed file dialog: the flags it returned
    QString DefaultExt;
    QString DialogTitle;  // empty: the platform's default caption
    QString Title;        // set with FileTitle after a confirmed dialog
    QString FileName;     // shown when the dialog opens; then the chosen path
    QString FileTitle;    // the chosen file's name without its folder
    QString Filter;       // "Description|pattern|Description|pattern..."
    std::int32_t FilterIndex = 1;  // 1-based; never taken back from the dialog
    QString InitDir;
    std::int32_t MaxFileSize = 0;

    // 0x00BBGGRR. A written value with the top bit set is a system-colour reference: the
    // stored colour becomes that system colour's current value.
    ColorRef Color() const { return m_color; }
    void Color(ColorRef RHS);

    // True when the user confirmed. A cancel changes no field. A FileName or InitDir longer
    // than 256 characters throws std::invalid_argument before any dialog is shown.
    bool ShowColor(QWidget* hWnd);
    bool ShowOpen(QWidget* winHwnd);
    bool ShowSave(QWidget* hWnd);

private:
    using ShowFileDialog = FileDialogAnswer (DialogBackend::*)(const FileDialogRequest&);

    void Class_Initialize();
    bool showFileDialog(QWidget* owner, ShowFileDialog show);
    FileDialogRequest PrepareFileDialog(QWidget* owner) const;
    void ReadFileDialogResult(const FileDialogAnswer& answer);

    DialogBackend& m_backend;
    CustomColors m_customColors{};
    ColorRef m_color = 0;
};

}  // namespace quorvel
