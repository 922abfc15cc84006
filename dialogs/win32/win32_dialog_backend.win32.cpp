#include "win32_dialog_backend.h"

#include <cstddef>

#include "common_dialog_functions.h"

namespace quorvel {
namespace {

// The record in the form that every version of the dialogs takes: up to the template name,
// without the later extension members. That is 76 bytes in a 32-bit program; a 64-bit
// program's pointers make the same form larger. This is OPENFILENAME_SIZE_VERSION_400W, whose
// macro is no constant expression.
constexpr DWORD kOpenFileNameSize = offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(LPCWSTR);
static_assert(sizeof(void*) != 4 || kOpenFileNameSize == 76);
static_assert(sizeof(void*) != 4 || sizeof(CHOOSECOLORW) == 36);

// The buffers are UTF-16 already; the system's wide calls read and write them in place.
static_assert(sizeof(wchar_t) == sizeof(char16_t));
static_assert(sizeof(COLORREF) == sizeof(ColorRef));

wchar_t* wide(std::u16string& text) { return reinterpret_cast<wchar_t*>(text.data()); }

const wchar_t* wideOrNull(const std::optional<std::u16string>& text) {
    return text ? reinterpret_cast<const wchar_t*>(text->c_str()) : nullptr;
}

OPENFILENAMEW openFileNameOf(FileDialogRecord& record) {
    OPENFILENAMEW ofn{};
    ofn.lStructSize = kOpenFileNameSize;
    ofn.hwndOwner = static_cast<HWND>(record.owner);
    ofn.lpstrFilter = reinterpret_cast<const wchar_t*>(record.filter.c_str());
    ofn.nFilterIndex = static_cast<DWORD>(record.filterIndex);
    ofn.lpstrFile = wide(record.file);
    ofn.nMaxFile = record.maxFile;
    ofn.lpstrFileTitle = wide(record.fileTitle);
    ofn.nMaxFileTitle = static_cast<DWORD>(record.fileTitle.size());
    ofn.lpstrInitialDir = reinterpret_cast<const wchar_t*>(record.initialFolder.c_str());
    ofn.lpstrTitle = wideOrNull(record.caption);
    ofn.Flags = static_cast<DWORD>(record.flags);
    ofn.lpstrDefExt = wideOrNull(record.defaultExtension);
    ofn.lpTemplateName = nullptr;
    return ofn;
}

bool show(BOOL(WINAPI* dialog)(LPOPENFILENAMEW), FileDialogRecord& record) {
    OPENFILENAMEW ofn = openFileNameOf(record);
    if (!dialog(&ofn)) return false;
    record.flags = static_cast<std::int32_t>(ofn.Flags);
    return true;
}

}  // namespace

Win32DialogBackend::Win32DialogBackend(const win32::CommonDialogFunctions& functions)
    : m_functions(functions) {}

bool Win32DialogBackend::showOpen(FileDialogRecord& record) {
    return show(m_functions.getOpenFileName, record);
}

bool Win32DialogBackend::showSave(FileDialogRecord& record) {
    return show(m_functions.getSaveFileName, record);
}

bool Win32DialogBackend::showColor(ColorDialogRecord& record) {
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof(CHOOSECOLORW);
    cc.hwndOwner = static_cast<HWND>(record.owner);
    cc.rgbResult = record.color;
    cc.lpCustColors = reinterpret_cast<COLORREF*>(record.customColors->data());
    cc.Flags = record.flags;
    if (!m_functions.chooseColor(&cc)) return false;
    record.color = cc.rgbResult;
    return true;
}

ColorRef Win32DialogBackend::systemColor(int index) const {
    return m_functions.getSysColor(index);
}

DialogBackend& win32DialogBackend() {
    static Win32DialogBackend backend(win32::systemCommonDialogFunctions());
    return backend;
}

namespace win32 {

const CommonDialogFunctions& systemCommonDialogFunctions() {
    static const CommonDialogFunctions functions{GetOpenFileNameW, GetSaveFileNameW, ChooseColorW,
                                                 GetSysColor};
    return functions;
}

}  // namespace win32
}  // namespace quorvel
