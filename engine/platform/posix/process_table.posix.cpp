#include "platform/process_table.h"

#include <string>

#include "platform/posix/proc_files.h"

namespace quorvel::platform {
namespace {

// Linux keeps only the first 15 bytes of an executable's name as the process name (comm).
constexpr std::size_t kCommLength = 15;

std::string fileNameOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// The name and state fields of /proc/PID/stat: "PID (name) S ...". The name may hold spaces
// and parentheses, so it runs to the last ')'.
bool readStat(const ProcFiles& proc, const std::string& pid, std::string& name, char& state) {
    const auto stat = proc.read(pid, "stat");
    if (!stat) return false;
    const auto open = stat->find('('), close = stat->rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open ||
        close + 2 >= stat->size())
        return false;
    name = stat->substr(open + 1, close - open - 1);
    state = (*stat)[close + 2];
    return true;
}

// The full file name of the program a process runs, for names that comm cut short.
std::string fullExecutableName(const ProcFiles& proc, const std::string& pid) {
    const std::string cmdline = proc.read(pid, "cmdline").value_or("");
    return fileNameOf(std::string_view(cmdline).substr(0, cmdline.find('\0')));
}

// The file name of the program the process runs, from its exe link; "" when unreadable.
std::string linkedExecutableName(const ProcFiles& proc, const std::string& pid) {
    std::string target = proc.link(pid, "exe").value_or("");
    constexpr std::string_view kDeleted = " (deleted)";  // the file was removed meanwhile
    if (target.ends_with(kDeleted)) target.resize(target.size() - kDeleted.size());
    return fileNameOf(target);
}

bool processMatches(const ProcFiles& proc, const std::string& pid, std::string_view exeName) {
    std::string name;
    char state = 0;
    // Zombies and dead tasks have ended; only their parent's bookkeeping is left.
    if (!readStat(proc, pid, name, state) || state == 'Z' || state == 'X') return false;
    if (exeName.size() < kCommLength) return sameExecutableName(name, exeName);
    // The exe link first: the command line stays empty until exec has set up the new stack.
    return sameExecutableName(name, exeName.substr(0, kCommLength)) &&
           (sameExecutableName(linkedExecutableName(proc, pid), exeName) ||
            sameExecutableName(fullExecutableName(proc, pid), exeName));
}

}  // namespace

bool anyProcessNamed(const ProcFiles& proc, std::string_view exeName) {
    if (exeName.empty()) return false;
    bool found = false;
    // The walk runs over the whole listing, a match included, like the Toolhelp walk.
    for (const std::string& pid : proc.processIds())
        if (processMatches(proc, pid, exeName)) found = true;
    return found;
}

bool isProcessRunning(std::string_view exeName) {
    return anyProcessNamed(systemProcFiles(), exeName);
}

}  // namespace quorvel::platform
