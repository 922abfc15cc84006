#include "platform/file_system.h"

#include <sys/stat.h>

#include <filesystem>

namespace quorvel::platform {
namespace {

class PosixFileSystem : public FileSystem {
public:
    PathKind kind(const std::string& path) const override {
        struct stat info {};
        if (path.empty() || ::stat(path.c_str(), &info) != 0) return PathKind::Missing;
        return S_ISDIR(info.st_mode) ? PathKind::Folder : PathKind::File;
    }

    bool makeFolder(const std::string& path) override {
        // mkdir creates one level only, as intended: a missing parent is a failure.
        return !path.empty() && ::mkdir(path.c_str(), 0777) == 0;
    }

    bool copyFile(const std::string& from, const std::string& to) override {
        std::error_code error;
        // Fails on its own when both name the same file, so a source is never truncated.
        return std::filesystem::copy_file(
            from, to, std::filesystem::copy_options::overwrite_existing, error);
    }
};

}  // namespace

FileSystem& systemFileSystem() {
    static PosixFileSystem fileSystem;
    return fileSystem;
}

}  // namespace quorvel::platform
