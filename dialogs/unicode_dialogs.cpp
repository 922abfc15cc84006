#include "unicode_dialogs.h"

namespace quorvel {

std::unique_ptr<CommonDlgsW> UnicodeDialogs;

}  // namespace quorvel
