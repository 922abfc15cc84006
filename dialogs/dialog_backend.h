#pragma once
// What CommonDlgsW asks of the platform's dialogs. The Qt backend shows QFileDialog and
// QColorDialog; tests put a scripted backend in its place.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

class QWidget;

namespace quorvel {

// Colours as the class stores them: 0x00BBGGRR.
using ColorRef = std::uint32_t;
using CustomColors = std::array<ColorRef, 16>;

struct FileDialogRequest {
    QWidget* owner = nullptr;
    QStringList nameFilters;  // in Qt's form, "Description (*.a *.b)"
    int filterIndex = 1;      // 1-based; out of range selects the first
    QString fileName;         // shown when the dialog opens
    QString initialFolder;    // empty lets the platform choose
    QString caption;          // empty shows the platform's default caption
    QString defaultExtension;
    std::int32_t flags = 0;
};

struct FileDialogAnswer {
    bool confirmed = false;
    QStringList files;       // full paths of the chosen files
    std::int32_t flags = 0;  // the flags as the dialog returned them
};

// The flags the backends act on.
inline constexpr std::int32_t kOverwritePrompt = 0x2;
inline constexpr std::int32_t kNoValidate = 0x100;
inline constexpr std::int32_t kAllowMultiSelect = 0x200;

class DialogBackend {
public:
    virtual ~DialogBackend() = default;
    // Modal to the owner; return only once the dialog has closed.
    virtual FileDialogAnswer showOpen(const FileDialogRequest& request) = 0;
    virtual FileDialogAnswer showSave(const FileDialogRequest& request) = 0;
    // The chosen colour, or nullopt when cancelled. The custom colours are edited in place.
    virtual std::optional<ColorRef> showColor(QWidget* owner, ColorRef initial,
                                              CustomColors& customColors) = 0;
    // The current colour of a Windows system-colour index (COLOR_BTNFACE is 15); 0 when the
    // index names no colour.
    virtual ColorRef systemColor(int index) const = 0;
};

// The process-wide Qt backend.
DialogBackend& qtDialogBackend();

}  // namespace quorvel
