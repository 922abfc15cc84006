#include "tiff/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel::converter {

MappedFile::MappedFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        void* data =
            mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        if (data != MAP_FAILED) {
            m_data = static_cast<const std::uint8_t*>(data);
            m_size = static_cast<std::size_t>(info.st_size);
        }
    }
    close(fd);
}

MappedFile::~MappedFile() {
    if (m_data) munmap(const_cast<std::uint8_t*>(m_data), m_size);
}

}  // namespace quorvel::converter
