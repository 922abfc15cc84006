#pragma once
// The program's one CommonDlgsW, created at start-up and kept until the program ends.
#include <memory>

#include "common_dlgs_w.h"

namespace quorvel {

extern std::unique_ptr<CommonDlgsW> UnicodeDialogs;

}  // namespace quorvel
