#pragma once
// Staging of the photo picked in the open dialog. A path that does not survive the code-page
// pass cannot reach the converter intact, so such a photo is first copied into the staging
// folder under its clean name; the path that goes into lstFile is the one that survives.
#include <string>

#include "batch_window.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/file_system.h"

namespace quorvel {

// ${TMPDIR:-/tmp}/quorvel on POSIX.
std::string defaultStagingFolder();

class PhotoStaging {
public:
    explicit PhotoStaging(std::string stagingFolder = defaultStagingFolder(),
                          platform::FileSystem& fileSystem = platform::systemFileSystem(),
                          const platform::CodePage& codePage = platform::systemCodePage(),
                          const platform::LocalClock& clock = platform::systemClock());

    // Appends exactly one entry to the window's lstFile and returns it. The staging folder is
    // created (one level; failures ignored) for every picked photo. A picked path that passes
    // FileExists is listed unchanged and not copied. Otherwise the prompt shows "Preparing
    // Files...", the photo is copied (overwriting) to <folder>/<CleanOutputName>.<extension>,
    // keeping the extension's case, and that path is listed whether the copy worked or not.
    // A picked name without "." gets a staged name without extension.
    std::string stage(const std::string& picked, BatchWindow& window);

    const std::string& folder() const { return m_folder; }

private:
    std::string m_folder;
    platform::FileSystem& m_fileSystem;
    const platform::CodePage& m_codePage;
    const platform::LocalClock& m_clock;
};

}  // namespace quorvel
