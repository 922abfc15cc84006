#include "output/file_times.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace quorvel::converter {

bool copyModificationTime(const std::string& from, const std::string& to) {
    struct stat source {};
    if (stat(from.c_str(), &source) != 0) return false;
    // The access time stays as the system keeps it; only the modification time is the photo's.
    const struct timespec times[2] = {{0, UTIME_OMIT}, source.st_mtim};
    return utimensat(AT_FDCWD, to.c_str(), times, 0) == 0;
}

}  // namespace quorvel::converter
