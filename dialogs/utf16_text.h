#pragma once
// UTF-8 <-> UTF-16, the forms on the two sides of the wide dialogs. NUL characters pass through
// both ways, so buffers that hold several NUL-separated items convert whole. Text that is not
// well formed never fails: a byte that starts no valid UTF-8 sequence, or a lone surrogate,
// becomes U+FFFD.
#include <string>
#include <string_view>

namespace quorvel {

std::u16string utf16Of(std::string_view utf8);
std::string utf8Of(std::u16string_view utf16);

}  // namespace quorvel
