#pragma once
// CommonDlgsW: the open, save and colour dialogs in their wide-character form, so a picked path
// comes back whole whatever characters it holds. The caller sets the public fields (UTF-8),
// calls one Show... method with the owner window, and reads the results back from the same
// fields. Fields keep what the last caller or the last confirmed dialog left in them.
#include <cstdint>
#include <string>

#include "dialog_backend.h"
#include "dialog_records.h"
#include "window_handle.h"

namespace quorvel {

class CommonDlgsW {
public:
    explicit CommonDlgsW(DialogBackend& backend);

    std::int32_t Flags = 0;  // after a confirmed file dialog: the flags it returned
    std::string DefaultExt;
    std::string DialogTitle;       // empty: the platform's default caption
    std::string Title;             // set with FileTitle after a confirmed dialog
    std::string FileName;          // shown when the dialog opens; then the chosen path
    std::string FileTitle;         // the chosen file's name without its folder
    std::string Filter;            // "Description|pattern|Description|pattern..."
    std::int32_t FilterIndex = 1;  // 1-based; never taken back from the dialog
    std::string InitDir;
    std::int32_t MaxFileSize = 0;  // capacity for the returned path, in UTF-16 code units

    // 0x00BBGGRR. A written value with the top bit set is a system-colour reference: the
    // stored colour becomes that system colour's current value.
    ColorRef Color() const { return m_color; }
    void Color(ColorRef RHS);

    // True when the user confirmed. A cancel changes no field. A FileName or InitDir longer
    // than 256 UTF-16 code units throws std::invalid_argument before any dialog is shown.
    bool ShowColor(WindowHandle hWnd);
    bool ShowOpen(WindowHandle winHwnd);
    bool ShowSave(WindowHandle hWnd);

private:
    using ShowFileDialog = bool (DialogBackend::*)(FileDialogRecord&);

    void Class_Initialize();
    bool showFileDialog(WindowHandle owner, ShowFileDialog show);
    void PrepareFileDialog(WindowHandle owner);
    void ReadFileDialogResult();

    DialogBackend& m_backend;
    ColorDialogRecord m_colorRecord;
    CustomColors m_customColors{};
    FileDialogRecord m_fileRecord;
    ColorRef m_color = 0;
};

}  // namespace quorvel
