#include "platform/code_page.h"

namespace quorvel::platform {

// A POSIX command line carries any byte string, and file names here are UTF-8.
const CodePage& systemCodePage() { return identityCodePage(); }

}  // namespace quorvel::platform
