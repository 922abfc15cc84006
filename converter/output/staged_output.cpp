#include "output/staged_output.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

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

std::unique_ptr<StagedOutput> StagedOutput::create(const std::string& outputPath,
                                                   std::string& problem) {
    const std::string outputFolder = folderOf(outputPath);
    problem = folderProblem(outputFolder);
    if (!problem.empty()) return nullptr;
    // Hidden, and named after the converter, so a folder left by a killed run is recognisable.
    std::string pattern = outputFolder + "/.convert.exe-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        problem = "cannot write into the output folder " + quoted(outputFolder) + ": " +
                  std::strerror(errno);
        return nullptr;
    }
    const std::string staged = pattern + "/" + fileNameOf(outputPath);
    return std::unique_ptr<StagedOutput>(new StagedOutput(outputFolder, pattern, staged));
}

StagedOutput::~StagedOutput() {
    for (const std::string& name : writtenNames()) unlink((m_folder + "/" + name).c_str());
    rmdir(m_folder.c_str());
}

std::vector<std::string> StagedOutput::writtenNames() const {
    std::vector<std::string> names;
    DIR* directory = opendir(m_folder.c_str());
    if (!directory) return names;
    while (const dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(directory);
    std::sort(names.begin(), names.end());
    return names;
}

bool StagedOutput::commit(const std::vector<FileIdentity>& inputs, std::string& problem) {
    const std::vector<std::string> names = writtenNames();
    if (names.empty()) {
        problem = "no output was written";
        return false;
    }
    for (const std::string& name : names) {
        const std::string target = m_outputFolder + "/" + name;
        const auto identity = identityOf(target);
        if (identity && std::find(inputs.begin(), inputs.end(), *identity) != inputs.end()) {
            problem = "refusing to replace the input file " + quoted(target);
            return false;
        }
        if (!flushToDisk(m_folder + "/" + name)) {
            problem = "cannot flush " + quoted(target) + " to disk: " + std::strerror(errno);
            return false;
        }
    }
    for (const std::string& name : names) {
        const std::string target = m_outputFolder + "/" + name;
        if (rename((m_folder + "/" + name).c_str(), target.c_str()) != 0) {
            problem = "cannot move the output into place as " + quoted(target) + ": " +
                      std::strerror(errno);
            return false;
        }
    }
    flushToDisk(m_outputFolder);  // makes the renames themselves durable
    return true;
}

}  // namespace quorvel::converter
