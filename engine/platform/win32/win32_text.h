#pragma once
// UTF-8 <-> UTF-16 for the wide Windows calls; only the win32 backend includes this.
#include <string>
#include <string_view>

namespace quorvel::platform::win32 {

std::wstring widen(std::string_view utf8);
std::string narrowUtf8(std::wstring_view wide);

}  // namespace quorvel::platform::win32
