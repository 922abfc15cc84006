#include "raw/raw_probe.h"

#include <memory>

#include "raw/libraw_session.h"

namespace quorvel::converter {

bool libRawRecognises(const std::string& path) {
    // LibRaw is large (its tables take several hundred kilobytes): keep it off the stack.
    auto raw = std::make_unique<LibRawSession>();
    return raw->open_file(path.c_str()) == LIBRAW_SUCCESS;
}

}  // namespace quorvel::converter
