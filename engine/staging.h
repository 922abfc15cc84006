#pragma once
// Staging of picked and dropped photos. A path that does not survive the code-page pass cannot
// reach the converter intact, so such a photo is first copied into the staging folder under its
// clean name; the path that goes into lstFile is the one that survives.
#include <string>

#include "batch_window.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/user_folders.h"

namespace quorvel {

using platform::defaultStagingFolder;

class PhotoStaging {
public:
    PhotoStaging(std::string stagingFolder, platform::FileSystem& fileSystem,
                 const platform::CodePage& codePage, const platform::LocalClock& clock);

    // Appends exactly one entry to the window's lstFile and returns it. The staging folder is
    // created (one level; failures ignored) for every picked photo. A picked path that passes
    // FileExists is listed unchanged and not copied. Otherwise the prompt shows "Preparing
    // Files...", the photo is copied (overwriting) to stagedPath(), <folder>/<CleanOutputName>
    // .<extension> with the extension's case kept, and that path is listed whether the copy
    // worked or not.
    // A picked name without "." gets a staged name without extension.
    std::string stage(const std::string& picked, BatchWindow& window);

    // Appends exactly one entry for a dropped path and returns it. A path that survives the
    // code-page pass (every path where the command line carries UTF-8) is listed as it is,
    // folders included. Any other is copied like a picked photo, so it converts too; when that
    // copy fails (a folder, an unreadable file) the dropped path itself is listed, and the
    // batch's summary then names what the user dropped. The prompt is left alone: Label1 is
    // hidden while something is dragged over the window, and a batch may be converting.
    std::string stageDropped(const std::string& dropped, BatchWindow& window);

    const std::string& folder() const { return m_folder; }

private:
    // <folder>/<CleanOutputName><extension>; when another entry still waiting in lstFile names
    // that file (two dropped names that clean alike), " (2)", " (3)"... goes before the
    // extension, so no copy replaces a photo that has yet to be converted.
    std::string stagedPath(const std::string& photo, const BatchWindow& window) const;

    std::string m_folder;
    platform::FileSystem& m_fileSystem;
    const platform::CodePage& m_codePage;
    const platform::LocalClock& m_clock;
};

}  // namespace quorvel
