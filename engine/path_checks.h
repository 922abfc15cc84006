#pragma once
// Existence tests judged on a path's code-page form, as the 8-bit platform calls see it: a
// path with a character outside the code page is reported missing by both.
#include <string>

#include "platform/code_page.h"
#include "platform/file_system.h"

namespace quorvel {

// True when the path names an existing entry that is not a folder.
bool FileExists(const std::string& pstrFile, const platform::FileSystem& fileSystem,
                const platform::CodePage& codePage);

// True when the path names an existing folder.
bool FolderExists(const std::string& pstrFolder, const platform::FileSystem& fileSystem,
                  const platform::CodePage& codePage);

}  // namespace quorvel
