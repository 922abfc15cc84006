#pragma once
#include "dialog_backend.h"

namespace quorvel {
namespace win32 {
struct CommonDialogFunctions;
}

// The dialogs through the given system calls; the records' owners are HWNDs.
class Win32DialogBackend : public DialogBackend {
public:
    explicit Win32DialogBackend(const win32::CommonDialogFunctions& functions);
    bool showOpen(FileDialogRecord& record) override;
    bool showSave(FileDialogRecord& record) override;
    bool showColor(ColorDialogRecord& record) override;
    ColorRef systemColor(int index) const override;

private:
    const win32::CommonDialogFunctions& m_functions;
};

// The process-wide backend over the system's common dialogs.
DialogBackend& win32DialogBackend();

}  // namespace quorvel
