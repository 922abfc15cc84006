#include "output/staged_output.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "command/syntax_free_names.h"

namespace quorvel::converter {
namespace {

std::string quoted(const std::string& path) { return "`" + path + "'"; }

std::string folderProblem(const std::string& folder) {
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0)
        return "the output folder " + quoted(folder) + " does not exist";
    if (!S_ISDIR(info.st_mode)) return quoted(folder) + " is not a folder";
    return {};
}

bool flushToDisk(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool flushed = fsync(fd) == 0;
    close(fd);
    return flushed;
}

std::vector<std::string> namesIn(int folder) {
    std::vector<std::string> names;
    const int copy = dup(folder);
    if (copy < 0) return names;
    DIR* directory = fdopendir(copy);
    if (!directory) {
        close(copy);
        return names;
    }
    rewinddir(directory);
    while (const dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(directory);
    std::sort(names.begin(), names.end());
    return names;
}

// Unlinks every entry that is no folder (a folder stays: unlinkat refuses it).
void unlinkFilesIn(int folder) {
    for (const std::string& name : namesIn(folder)) unlinkat(folder, name.c_str(), 0);
}

}  // namespace

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void removeStagingFolder(const std::string& folder) {
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) return;
    const int temporary = openat(descriptor, StagedOutput::kTemporaryName,
                                 O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (temporary >= 0) {
        unlinkFilesIn(temporary);
        close(temporary);
        unlinkat(descriptor, StagedOutput::kTemporaryName, AT_REMOVEDIR);
    }
    unlinkFilesIn(descriptor);
    close(descriptor);
    rmdir(folder.c_str());
}

std::unique_ptr<StagedOutput> StagedOutput::create(const std::string& outputPath,
                                                   std::string& problem) {
    const std::string outputFolder = folderOf(outputPath);
    problem = folderProblem(outputFolder);
    if (!problem.empty()) return nullptr;
    std::string pattern =
        outputFolder + "/" + kStagingPrefix + std::to_string(getpid()) + "-XXXXXX";
    const auto unwritable = [&] {
        problem = "cannot write into the output folder " + quoted(outputFolder) + ": " +
                  std::strerror(errno);
        return nullptr;
    };
    if (!mkdtemp(pattern.data())) return unwritable();
    const int descriptor = open(pattern.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A file system without locks (some network shares) still converts; a later run then
    // never takes the folder for a stale one, as it cannot lock it either.
    if (descriptor >= 0) flock(descriptor, LOCK_EX);
    if (descriptor < 0 || mkdirat(descriptor, kTemporaryName, 0700) != 0) {
        const int error = errno;
        if (descriptor >= 0) close(descriptor);
        removeStagingFolder(pattern);
        errno = error;
        return unwritable();
    }
    return std::unique_ptr<StagedOutput>(new StagedOutput(outputPath, pattern, descriptor));
}

StagedOutput::~StagedOutput() {
    removeStagingFolder(m_folder);
    close(m_descriptor);  // releases the lock only once the folder is gone
}

std::string StagedOutput::imagePath() const {
    return descriptorPath(m_descriptor) + "/" + kStagedName;
}

unsigned long long StagedOutput::freeBytes() const {
    struct statvfs info {};
    if (fstatvfs(m_descriptor, &info) != 0) return ~0ull;
    return static_cast<unsigned long long>(info.f_bavail) * info.f_frsize;
}

std::vector<std::string> StagedOutput::writtenNames() const {
    std::vector<std::string> names = namesIn(m_descriptor);
    std::erase(names, std::string(kTemporaryName));
    return names;
}

bool StagedOutput::commit(const std::vector<FileIdentity>& inputs, std::string& problem) {
    const std::vector<std::string> names = writtenNames();
    if (names.empty()) {
        problem = "no output was written";
        return false;
    }
    if (names != std::vector<std::string>{kStagedName}) {
        problem = "the command makes " + std::to_string(names.size()) +
                  " pictures, and one output file holds only one";
        return false;
    }
    const auto identity = identityOf(m_outputPath);
    if (identity && std::find(inputs.begin(), inputs.end(), *identity) != inputs.end()) {
        problem = "refusing to replace the input file " + quoted(m_outputPath);
        return false;
    }
    if (!flushToDisk(m_stagedPath)) {
        problem = "cannot flush " + quoted(m_outputPath) + " to disk: " + std::strerror(errno);
        return false;
    }
    if (rename(m_stagedPath.c_str(), m_outputPath.c_str()) != 0) {
        problem = "cannot move the output into place as " + quoted(m_outputPath) + ": " +
                  std::strerror(errno);
        return false;
    }
    flushToDisk(folderOf(m_outputPath));  // makes the rename itself durable
    return true;
}

}  // namespace quorvel::converter
