#include "staging.h"

#include "names.h"
#include "path_checks.h"
#include "platform/path_join.h"
#include "platform/user_folders.h"

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

}  // namespace

std::string defaultStagingFolder() {
    return platform::joinPath(platform::temporaryFolder(), "quorvel");
}

PhotoStaging::PhotoStaging(std::string stagingFolder, platform::FileSystem& fileSystem,
                           const platform::CodePage& codePage,
                           const platform::LocalClock& clock)
    : m_folder(std::move(stagingFolder)),
      m_fileSystem(fileSystem),
      m_codePage(codePage),
      m_clock(clock) {}

std::string PhotoStaging::stage(const std::string& picked, BatchWindow& window) {
    m_fileSystem.makeFolder(m_folder);
    if (FileExists(picked, m_fileSystem, m_codePage)) {
        window.appendEntry(picked);
        return picked;
    }
    const std::string staged = platform::joinPath(
        m_folder, CleanOutputName(picked, m_codePage, m_clock) + extensionOf(picked));
    window.setPrompt(kPreparingPrompt);
    // A failed copy is listed all the same: the converter then fails on it, and the batch's
    // summary names it.
    m_fileSystem.copyFile(picked, staged);
    window.appendEntry(staged);
    return staged;
}

}  // namespace quorvel
