#include "command/syntax_free_names.h"

#include <fcntl.h>
#include <unistd.h>

namespace quorvel::converter {

SyntaxFreeNames::~SyntaxFreeNames() {
    for (int descriptor : m_descriptors) close(descriptor);
}

std::string SyntaxFreeNames::nameFor(const std::string& path) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return {};
    m_descriptors.push_back(descriptor);
    return descriptorPath(descriptor);
}

std::string descriptorPath(int descriptor) {
    return "/proc/self/fd/" + std::to_string(descriptor);
}

}  // namespace quorvel::converter
