#include "temp_folder.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>

namespace quorvel::converter::testing_support {
namespace fs = std::filesystem;
namespace {

bool setImmutable(const fs::path& path, bool on) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    close(fd);
    return ok;
}

bool canCreateIn(const fs::path& folder) {
    const fs::path probe = folder / ".write-probe";
    const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    close(fd);
    unlink(probe.c_str());
    return true;
}

}  // namespace

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    m_path = fs::temp_directory_path() / ("quorvel-converter-test-" + std::to_string(getpid()) +
                                          "-" + std::to_string(counter++));
    fs::remove_all(m_path);
    fs::create_directories(m_path);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(m_path, ignored))
        entry.is_directory(ignored) ? makeWritable(entry.path()) : makeFileWritable(entry.path());
    makeWritable(m_path);
    fs::remove_all(m_path, ignored);
}

std::vector<std::string> TempFolder::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool makeUnwritable(const fs::path& folder) {
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    if (!canCreateIn(folder)) return true;
    setImmutable(folder, true);
    return !canCreateIn(folder);
}

void makeWritable(const fs::path& folder) {
    setImmutable(folder, false);
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
}

bool makeFileUnwritable(const fs::path& file) {
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    if (access(file.c_str(), W_OK) != 0) return true;
    setImmutable(file, true);
    return access(file.c_str(), W_OK) != 0;
}

void makeFileWritable(const fs::path& file) {
    setImmutable(file, false);
    std::error_code ignored;
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ignored);
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace quorvel::converter::testing_support
