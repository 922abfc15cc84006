#include "platform/process_table.h"

#include <dirent.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace quorvel::platform {
namespace {

// Linux keeps only the first 15 bytes of an executable's name as the process name (comm).
constexpr std::size_t kCommLength = 15;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The name and state fields of /proc/PID/stat: "PID (name) S ...". The name may hold spaces
// and parentheses, so it runs to the last ')'.
bool readStat(const std::string& dir, std::string& name, char& state) {
    const std::string stat = readFile(dir + "/stat");
    const auto open = stat.find('('), close = stat.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close + 2 >= stat.size())
        return false;
    name = stat.substr(open + 1, close - open - 1);
    state = stat[close + 2];
    return true;
}

// The full file name of the program a process runs, for names that comm cut short.
std::string fullExecutableName(const std::string& dir) {
    const std::string cmdline = readFile(dir + "/cmdline");
    const std::string argv0 = cmdline.substr(0, cmdline.find('\0'));
    const auto slash = argv0.rfind('/');
    return slash == std::string::npos ? argv0 : argv0.substr(slash + 1);
}

// The file name of the program the process runs, from its exe link; "" when unreadable.
std::string linkedExecutableName(const std::string& dir) {
    std::error_code error;
    std::string target = std::filesystem::read_symlink(dir + "/exe", error).string();
    if (error) return "";
    constexpr std::string_view kDeleted = " (deleted)";  // the file was removed meanwhile
    if (target.ends_with(kDeleted)) target.resize(target.size() - kDeleted.size());
    return std::filesystem::path(target).filename().string();
}

bool processMatches(const std::string& dir, std::string_view exeName) {
    std::string name;
    char state = 0;
    // Zombies and dead tasks have ended; only their parent's bookkeeping is left.
    if (!readStat(dir, name, state) || state == 'Z' || state == 'X') return false;
    if (exeName.size() < kCommLength) return sameExecutableName(name, exeName);
    // The exe link first: the command line stays empty until exec has set up the new stack.
    return sameExecutableName(name, exeName.substr(0, kCommLength)) &&
           (sameExecutableName(linkedExecutableName(dir), exeName) ||
            sameExecutableName(fullExecutableName(dir), exeName));
}

}  // namespace

bool isProcessRunning(std::string_view exeName) {
    if (exeName.empty()) return false;
    DIR* proc = opendir("/proc");
    if (!proc) return false;
    bool found = false;
    while (const dirent* entry = readdir(proc)) {
        if (!std::isdigit(static_cast<unsigned char>(entry->d_name[0]))) continue;
        if (processMatches(std::string("/proc/") + entry->d_name, exeName)) {
            found = true;
            break;
        }
    }
    closedir(proc);
    return found;
}

}  // namespace quorvel::platform
