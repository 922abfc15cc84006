#include "platform/program_folder.h"

#include <filesystem>

namespace quorvel::platform {

std::string programFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : exe.parent_path().string();
}

const char* pathSeparator() { return "/"; }

}  // namespace quorvel::platform
