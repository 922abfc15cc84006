#include "platform/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/path_join.h"

namespace quorvel::platform {
namespace {

std::string withoutTrailingSlashes(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string environmentFolder(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? withoutTrailingSlashes(value) : std::string();
}

std::string homeFolder() {
    if (auto home = environmentFolder("HOME"); !home.empty()) return home;
    const passwd* account = getpwuid(getuid());
    return account && account->pw_dir ? withoutTrailingSlashes(account->pw_dir) : "/";
}

std::string temporaryFolder() {
    auto folder = environmentFolder("TMPDIR");
    return folder.empty() ? "/tmp" : folder;
}

}  // namespace

std::string defaultOutputFolder() { return joinPath(homeFolder(), "output"); }

std::string defaultStagingFolder() { return joinPath(temporaryFolder(), "quorvel"); }

}  // namespace quorvel::platform
