#pragma once
// Which file a path names (device and inode), so two spellings of one file compare equal.
#include <sys/types.h>

#include <optional>
#include <string>

namespace quorvel::converter {

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

std::optional<FileIdentity> identityOf(const std::string& path);

}  // namespace quorvel::converter
