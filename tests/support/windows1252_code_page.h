#pragma once
// Windows-1252 on every platform: tests of staging and name cleaning see what a Western
// Windows system's ANSI pass does to a name, here and under wine alike.
#include "platform/code_page.h"

namespace quorvel::platform {

const CodePage& windows1252CodePage();

}  // namespace quorvel::platform
