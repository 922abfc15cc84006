#pragma once
// What a common dialog is shown with and writes its answer into, in the wide dialogs' own form:
// UTF-16 buffers, NUL-separated lists, flags as numbers. The shared CommonDlgsW fills and reads
// these; a backend only shows a dialog over one.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "window_handle.h"

namespace quorvel {

// Colours as the dialogs hold them: 0x00BBGGRR.
using ColorRef = std::uint32_t;
using CustomColors = std::array<ColorRef, 16>;

// The size of the file, title and initial-folder buffers, in UTF-16 code units.
inline constexpr std::size_t kFileBufferSize = 256;

// File-dialog flags that the backends and CommonDlgsW act on.
inline constexpr std::int32_t kOverwritePrompt = 0x2;
inline constexpr std::int32_t kNoValidate = 0x100;
inline constexpr std::int32_t kAllowMultiSelect = 0x200;

// Colour-dialog flags: start from the given colour, fully open, any colour.
inline constexpr std::uint32_t kColorRgbInit = 0x1;
inline constexpr std::uint32_t kColorFullOpen = 0x2;
inline constexpr std::uint32_t kColorAnyColor = 0x100;

// The open and save dialogs' record. Each string's own terminator ends what it holds, so a
// buffer of exactly its capacity is still NUL-terminated for the dialog.
struct FileDialogRecord {
    WindowHandle owner = nullptr;
    // Description, pattern, description, pattern..., each item followed by a NUL; the string's
    // terminator makes the second NUL that ends the list.
    std::u16string filter;
    std::int32_t filterIndex = 1;
    // The name shown when the dialog opens, padded with NULs; the dialog writes the chosen
    // path (or, for a multiple selection, the folder and each name, NUL-separated) over it.
    std::u16string file;
    std::uint32_t maxFile = kFileBufferSize;  // capacity handed to the dialog, never above file
    std::u16string fileTitle;                 // the dialog writes the chosen name here
    std::u16string initialFolder;             // NULs only: the platform chooses
    std::optional<std::u16string> caption;    // none: the platform's default caption
    std::int32_t flags = 0;                   // the dialog may change them
    std::optional<std::u16string> defaultExtension;
};

// The colour dialog's record.
struct ColorDialogRecord {
    WindowHandle owner = nullptr;
    std::uint32_t flags = 0;
    ColorRef color = 0;  // the colour the dialog opens with; after a confirm, the chosen one
    CustomColors* customColors = nullptr;  // edited in place by the dialog
};

}  // namespace quorvel
