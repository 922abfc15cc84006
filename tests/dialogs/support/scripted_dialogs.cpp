#include "scripted_dialogs.h"

#include <algorithm>

#include "utf16_text.h"

namespace quorvel::test {
namespace {

void writeOver(std::u16string& buffer, std::u16string text) {
    text += u'\0';
    if (buffer.size() < text.size()) buffer.resize(text.size(), u'\0');
    std::copy(text.begin(), text.end(), buffer.begin());
}

}  // namespace

bool ScriptedDialogBackend::answer(FileDialogRecord& record, bool save) {
    requests.push_back(record);
    savesShown.push_back(save);
    if (answers.empty()) return false;
    const ScriptedFileAnswer next = answers.front();
    answers.pop_front();
    if (!next.confirmed) return false;
    writeOver(record.file, next.fileText);
    writeOver(record.fileTitle, next.titleText);
    if (next.flags) record.flags = *next.flags;
    if (next.filterIndex) record.filterIndex = *next.filterIndex;
    return true;
}

bool ScriptedDialogBackend::showOpen(FileDialogRecord& record) { return answer(record, false); }

bool ScriptedDialogBackend::showSave(FileDialogRecord& record) { return answer(record, true); }

bool ScriptedDialogBackend::showColor(ColorDialogRecord& record) {
    colorRequests.push_back({record, *record.customColors});
    if (!colorAnswer) return false;
    record.color = *colorAnswer;
    *record.customColors = colorsToSet;
    return true;
}

void ScriptedDialogBackend::pick(const std::string& path,
                                 std::optional<std::int32_t> returnedFlags) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    answers.push_back({true, utf16Of(path), utf16Of(name), returnedFlags, std::nullopt});
}

void ScriptedDialogBackend::cancel() { answers.push_back({}); }

}  // namespace quorvel::test
