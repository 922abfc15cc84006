#include "platform/file_system.h"

#include <shlwapi.h>
#include <windows.h>

#include "platform/code_page.h"
#include "platform/win32/win32_text.h"

namespace quorvel::platform {
namespace {

class Win32FileSystem : public FileSystem {
public:
    // The 8-bit shell checks, so a path is judged exactly as the converter's 8-bit command line
    // will name it: a character outside the code page becomes "?" and the path is missing.
    PathKind kind(const std::string& path) const override {
        const std::string ansi = systemCodePage().toAnsi(path);
        if (ansi.empty() || PathFileExistsA(ansi.c_str()) != TRUE) return PathKind::Missing;
        return PathIsDirectoryA(ansi.c_str()) ? PathKind::Folder : PathKind::File;
    }

    // Wide calls from here on: creating and copying must reach the very file the user named,
    // whatever its characters.
    bool makeFolder(const std::string& path) override {
        return !path.empty() && CreateDirectoryW(win32::widen(path).c_str(), nullptr) != FALSE;
    }

    bool copyFile(const std::string& from, const std::string& to) override {
        // bFailIfExists FALSE: a staged copy of the same name is replaced.
        return CopyFileW(win32::widen(from).c_str(), win32::widen(to).c_str(), FALSE) != FALSE;
    }
};

}  // namespace

FileSystem& systemFileSystem() {
    static Win32FileSystem fileSystem;
    return fileSystem;
}

}  // namespace quorvel::platform
