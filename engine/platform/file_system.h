#pragma once
// The few file-system operations the engine needs, behind an interface so the batch's tests
// run without touching the disk. Paths are the engine's UTF-8 strings; callers apply the
// code-page pass themselves where it matters (FileExists, FolderExists).
#include <string>

namespace quorvel::platform {

enum class PathKind { Missing, File, Folder };

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // What the path names, following symbolic links; Missing when it cannot be examined.
    virtual PathKind kind(const std::string& path) const = 0;
    // Creates the last level of the path only; false when it exists already or fails.
    virtual bool makeFolder(const std::string& path) = 0;
    // Copies a file, replacing a file of the target's name; false on any failure.
    virtual bool copyFile(const std::string& from, const std::string& to) = 0;
};

// The real file system: stat, mkdir and std::filesystem::copy_file on POSIX; on Windows the
// 8-bit PathFileExistsA/PathIsDirectoryA on the path's code-page form, CreateDirectoryW and
// CopyFileW.
FileSystem& systemFileSystem();

}  // namespace quorvel::platform
