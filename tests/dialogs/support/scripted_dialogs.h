#pragma once
// A dialog backend that answers each dialog with the next scripted answer (a cancel when none
// is left) and keeps a copy of every record exactly as the dialog received it.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "dialog_backend.h"

namespace quorvel::test {

struct ScriptedFileAnswer {
    bool confirmed = false;
    std::u16string fileText;            // written over the start of the file buffer, then a NUL
    std::u16string titleText;           // likewise over the title buffer
    std::optional<std::int32_t> flags;  // none: the dialog leaves the flags as they were
    std::optional<std::int32_t> filterIndex;  // the type the user switched to, if any
};

struct ShownColorDialog {
    ColorDialogRecord record;
    CustomColors customColors;  // as the dialog found them
};

class ScriptedDialogBackend : public DialogBackend {
public:
    bool showOpen(FileDialogRecord& record) override;
    bool showSave(FileDialogRecord& record) override;
    bool showColor(ColorDialogRecord& record) override;
    // System colour i is 0x010000 * i + 0x42.
    ColorRef systemColor(int index) const override { return 0x010000u * index + 0x42; }

    // The next file dialog confirms this UTF-8 path; its name after the last "/" or "\" is
    // the title.
    void pick(const std::string& path, std::optional<std::int32_t> returnedFlags = {});
    void cancel();

    std::deque<ScriptedFileAnswer> answers;
    std::vector<FileDialogRecord> requests;
    std::vector<bool> savesShown;  // per request: the save dialog rather than the open one

    std::optional<ColorRef> colorAnswer;  // none: the colour dialog is cancelled
    CustomColors colorsToSet{};           // what a confirmed colour dialog leaves in them
    std::vector<ShownColorDialog> colorRequests;

private:
    bool answer(FileDialogRecord& record, bool save);
};

}  // namespace quorvel::test
