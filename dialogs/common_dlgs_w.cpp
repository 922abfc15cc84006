#include "common_dlgs_w.h"

#include <algorithm>
#include <stdexcept>

#include "file_dialog_buffers.h"
#include "utf16_text.h"

namespace quorvel {
namespace {

constexpr ColorRef kInitialColor = 0xC0C0C0;
constexpr ColorRef kSystemColorReference = 0x80000000;

// The dialog's buffers hold 256 characters; a longer text cannot be handed over.
std::u16string checkedBufferText(const std::string& text) {
    std::u16string wide = utf16Of(text);
    if (wide.size() > kFileBufferSize)
        throw std::invalid_argument("Invalid procedure call or argument");
    return wide;
}

std::optional<std::u16string> copyOrNone(const std::string& text) {
    if (text.empty()) return std::nullopt;
    return utf16Of(text);
}

}  // namespace

CommonDlgsW::CommonDlgsW(DialogBackend& backend) : m_backend(backend) { Class_Initialize(); }

void CommonDlgsW::Class_Initialize() {
    Filter = "All files (*.*)|*.*";
    FilterIndex = 1;
    MaxFileSize = static_cast<std::int32_t>(kFileBufferSize);
    Color(kInitialColor);
}

void CommonDlgsW::Color(ColorRef RHS) {
    m_color = (RHS & kSystemColorReference) ? m_backend.systemColor(RHS & 0xFFFF) : RHS;
}

bool CommonDlgsW::ShowColor(WindowHandle hWnd) {
    m_colorRecord.owner = hWnd;
    m_colorRecord.flags = kColorRgbInit | kColorFullOpen | kColorAnyColor;
    m_colorRecord.customColors = &m_customColors;
    m_colorRecord.color = m_color;
    if (!m_backend.showColor(m_colorRecord)) return false;
    m_color = m_colorRecord.color;
    return true;
}

bool CommonDlgsW::ShowOpen(WindowHandle winHwnd) {
    return showFileDialog(winHwnd, &DialogBackend::showOpen);
}

bool CommonDlgsW::ShowSave(WindowHandle hWnd) {
    return showFileDialog(hWnd, &DialogBackend::showSave);
}

bool CommonDlgsW::showFileDialog(WindowHandle owner, ShowFileDialog show) {
    PrepareFileDialog(owner);
    if (!(m_backend.*show)(m_fileRecord)) return false;
    ReadFileDialogResult();
    return true;
}

void CommonDlgsW::PrepareFileDialog(WindowHandle owner) {
    // Both texts are checked before the record changes, so a failure leaves it as it was.
    std::u16string file = checkedBufferText(FileName);
    std::u16string folder = checkedBufferText(InitDir);
    FileDialogRecord& r = m_fileRecord;
    r.owner = owner;
    r.filter = filterBuffer(Filter);
    r.filterIndex = FilterIndex;
    // The buffer always backs the capacity the dialog is told of, so a MaxFileSize above 256
    // can never let the dialog write past its end.
    r.maxFile = static_cast<std::uint32_t>(std::max(MaxFileSize, 0));
    r.file = paddedBuffer(std::move(file), std::max<std::size_t>(kFileBufferSize, r.maxFile));
    r.fileTitle = paddedBuffer({}, kFileBufferSize);
    r.initialFolder = paddedBuffer(std::move(folder), kFileBufferSize);
    r.caption = copyOrNone(DialogTitle);
    r.flags = Flags;
    r.defaultExtension = copyOrNone(DefaultExt);
}

void CommonDlgsW::ReadFileDialogResult() {
    FileName = utf8Of(m_fileRecord.file);
    FileTitle.clear();
    // A multiple selection is read from the raw buffer by the caller.
    if (!(Flags & kAllowMultiSelect)) {
        FileName = std::string(beforeFirstNul(FileName));
        if (!(Flags & kNoValidate)) {
            FileTitle = utf8Of(beforeFirstNul(m_fileRecord.fileTitle));
            Title = FileTitle;
        }
    }
    Flags = m_fileRecord.flags;
}

}  // namespace quorvel
