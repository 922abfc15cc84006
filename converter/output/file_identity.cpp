#include "output/file_identity.h"

#include <sys/stat.h>

namespace quorvel::converter {

std::optional<FileIdentity> identityOf(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

}  // namespace quorvel::converter
