#include "platform/posix/proc_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <memory>

namespace quorvel::platform {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

std::string procPath(const std::string& pid, std::string_view file) {
    std::string path = "/proc/" + pid + "/";
    path += file;
    return path;
}

class SystemProcFiles : public ProcFiles {
public:
    std::vector<std::string> processIds() const override {
        std::vector<std::string> ids;
        const DirHandle proc(opendir("/proc"));
        if (!proc) return ids;
        while (const dirent* entry = readdir(proc.get()))
            if (std::isdigit(static_cast<unsigned char>(entry->d_name[0])))
                ids.emplace_back(entry->d_name);
        return ids;
    }

    std::optional<std::string> read(const std::string& pid, std::string_view file) const override {
        const FileDescriptor fd(open(procPath(pid, file).c_str(), O_RDONLY | O_CLOEXEC));
        if (fd.get() < 0) return std::nullopt;
        std::string contents;
        char buffer[512];
        for (;;) {
            const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            // ESRCH and friends: the process ended while we read its file.
            if (n < 0) return std::nullopt;
            if (n == 0) return contents;
            contents.append(buffer, static_cast<std::size_t>(n));
        }
    }

    std::optional<std::string> link(const std::string& pid, std::string_view file) const override {
        const std::string path = procPath(pid, file);
        std::string target(256, '\0');
        for (;;) {
            const ssize_t n = readlink(path.c_str(), target.data(), target.size());
            if (n < 0) return std::nullopt;
            if (static_cast<std::size_t>(n) < target.size()) {
                target.resize(static_cast<std::size_t>(n));
                return target;
            }
            target.resize(target.size() * 2);  // cut short: try again with more room
        }
    }
};

}  // namespace

const ProcFiles& systemProcFiles() {
    static const SystemProcFiles files;
    return files;
}

}  // namespace quorvel::platform
