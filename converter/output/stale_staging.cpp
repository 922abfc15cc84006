#include "output/stale_staging.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <fstream>
#include <optional>
#include <vector>

#include "converter_contract.h"
#include "output/staged_output.h"

namespace quorvel::converter {
namespace {

// The owner's process id in ".convert.exe-<pid>-XXXXXX".
std::optional<pid_t> ownerOf(const std::string& name) {
    const std::string prefix = kStagingPrefix;
    if (name.rfind(prefix, 0) != 0) return std::nullopt;
    const std::size_t dash = name.find('-', prefix.size());
    if (dash == std::string::npos || dash == prefix.size() || name.size() - dash - 1 != 6)
        return std::nullopt;
    pid_t pid = 0;
    for (std::size_t i = prefix.size(); i < dash; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])) || pid > 100000000)
            return std::nullopt;
        pid = pid * 10 + (name[i] - '0');
    }
    return pid;
}

// A live converter with this id (a reused id held by another program does not count).
bool converterRuns(pid_t pid) {
    if (kill(pid, 0) != 0 && errno == ESRCH) return false;
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    if (!std::getline(comm, name)) return true;  // cannot tell: keep its folder
    return name == kConverterFileName;
}

// Nobody holds the folder's lock (a run that has ended or was killed released it).
bool unlocked(const std::string& folder) {
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) return false;
    const bool free = flock(descriptor, LOCK_EX | LOCK_NB) == 0;
    close(descriptor);
    return free;
}

std::vector<std::string> entriesOf(const std::string& folder) {
    std::vector<std::string> names;
    DIR* directory = opendir(folder.c_str());
    if (!directory) return names;
    while (const dirent* entry = readdir(directory)) names.emplace_back(entry->d_name);
    closedir(directory);
    return names;
}

}  // namespace

void removeStaleStagingFolders(const std::string& outputFolder) {
    for (const std::string& name : entriesOf(outputFolder)) {
        const auto owner = ownerOf(name);
        if (!owner || *owner == getpid() || converterRuns(*owner)) continue;
        const std::string folder = outputFolder + "/" + name;
        struct stat info {};
        if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) continue;
        if (unlocked(folder)) removeStagingFolder(folder);
    }
}

}  // namespace quorvel::converter
