#include "common_dlgs_w.h"

#include <stdexcept>

#include "dialog_filter.h"
#include "file_dialog_buffer.h"

using namespace Qt::StringLiterals;

namespace quorvel {
namespace {

constexpr ColorRef kInitialColor = 0xC0C0C0;
constexpr ColorRef kSystemColorReference = 0x80000000;

// The dialog's buffers hold 256 characters; a longer text cannot be handed over.
const QString& checkedBufferText(const QString& text) {
    if (text.size() > kFileBufferSize)
        throw std::invalid_argument("Invalid procedure call or argument");
    return text;
}

}  // namespace

CommonDlgsW::CommonDlgsW(DialogBackend& backend) : m_backend(backend) { Class_Initialize(); }

void CommonDlgsW::Class_Initialize() {
    Filter = u"All files (*.*)|*.*"_s;
    FilterIndex = 1;
    MaxFileSize = static_cast<std::int32_t>(kFileBufferSize);
    Color(kInitialColor);
}

void CommonDlgsW::Color(ColorRef RHS) {
    m_color = (RHS & kSystemColorReference) ? m_backend.systemColor(RHS & 0xFFFF) : RHS;
}

bool CommonDlgsW::ShowColor(QWidget* hWnd) {
    const auto chosen = m_backend.showColor(hWnd, m_color, m_customColors);
    if (!chosen) return false;
    m_color = *chosen;
    return true;
}

bool CommonDlgsW::ShowOpen(QWidget* winHwnd) {
    return showFileDialog(winHwnd, &DialogBackend::showOpen);
}

bool CommonDlgsW::ShowSave(QWidget* hWnd) {
    return showFileDialog(hWnd, &DialogBackend::showSave);
}

bool CommonDlgsW::showFileDialog(QWidget* owner, ShowFileDialog show) {
    const FileDialogRequest request = PrepareFileDialog(owner);
    const FileDialogAnswer answer = (m_backend.*show)(request);
    if (!answer.confirmed) return false;
    ReadFileDialogResult(answer);
    return true;
}

FileDialogRequest CommonDlgsW::PrepareFileDialog(QWidget* owner) const {
    FileDialogRequest request;
    request.owner = owner;
    request.nameFilters = qtNameFilters(Filter);
    request.filterIndex = FilterIndex;
    request.fileName = cutAtFirstNul(checkedBufferText(FileName));
    request.initialFolder = cutAtFirstNul(checkedBufferText(InitDir));
    request.caption = DialogTitle;
    request.flags = Flags;
    request.defaultExtension = DefaultExt;
    return request;
}

void CommonDlgsW::ReadFileDialogResult(const FileDialogAnswer& answer) {
    FileName = composeFileBuffer(answer.files);
    FileTitle.clear();
    // A multiple selection is read from the raw buffer by the caller.
    if (!(Flags & kAllowMultiSelect)) {
        FileName = cutAtFirstNul(FileName);
        if (!(Flags & kNoValidate)) {
            FileTitle = fileTitleOf(answer.files);
            Title = FileTitle;
        }
    }
    Flags = answer.flags;
}

}  // namespace quorvel
