#include "staging.h"

#include "names.h"
#include "path_checks.h"
#include "platform/ascii_case.h"
#include "platform/path_join.h"

namespace quorvel {
namespace {

constexpr const char* kPreparingPrompt = "Preparing Files...";

// "." and what follows the last "." of the file name, case kept; "" when the name has none.
// Only the file name is searched, so a "." in a folder name never yields a path as extension.
std::string extensionOf(const std::string& path) {
    const std::string_view separator = platform::pathSeparator();
    const std::size_t cut = path.rfind(separator);
    const std::size_t nameStart = cut == std::string::npos ? 0 : cut + separator.size();
    const std::size_t dot = path.rfind('.');
    return dot == std::string::npos || dot < nameStart ? std::string() : path.substr(dot);
}

bool waiting(const BatchWindow& window, const std::string& path) {
    for (int i = 0; i < window.entryCount(); ++i)
        if (platform::equalIgnoringAsciiCase(window.entry(i), path)) return true;
    return false;
}

const std::string& listed(const std::string& path, BatchWindow& window) {
    window.appendEntry(path);
    return path;
}

}  // namespace

PhotoStaging::PhotoStaging(std::string stagingFolder, platform::FileSystem& fileSystem,
                           const platform::CodePage& codePage, const platform::LocalClock& clock)
    : m_folder(std::move(stagingFolder)),
      m_fileSystem(fileSystem),
      m_codePage(codePage),
      m_clock(clock) {}

std::string PhotoStaging::stage(const std::string& picked, BatchWindow& window) {
    m_fileSystem.makeFolder(m_folder);
    if (FileExists(picked, m_fileSystem, m_codePage)) return listed(picked, window);
    const std::string staged = stagedPath(picked, window);
    window.setPrompt(kPreparingPrompt);
    // A failed copy is listed all the same: the converter then fails on it, and the batch's
    // summary names it.
    m_fileSystem.copyFile(picked, staged);
    return listed(staged, window);
}

std::string PhotoStaging::stageDropped(const std::string& dropped, BatchWindow& window) {
    if (m_codePage.roundTrip(dropped) == dropped) return listed(dropped, window);
    m_fileSystem.makeFolder(m_folder);
    const std::string staged = stagedPath(dropped, window);
    return listed(m_fileSystem.copyFile(dropped, staged) ? staged : dropped, window);
}

std::string PhotoStaging::stagedPath(const std::string& photo, const BatchWindow& window) const {
    const std::string name = CleanOutputName(photo, m_codePage, m_clock);
    const std::string extension = extensionOf(photo);
    std::string staged = platform::joinPath(m_folder, name + extension);
    for (int copy = 2; waiting(window, staged); ++copy)
        staged = platform::joinPath(m_folder, numberedName(name, copy) + extension);
    return staged;
}

}  // namespace quorvel
