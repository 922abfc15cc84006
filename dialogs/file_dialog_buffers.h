#pragma once
// The text buffers of the wide file dialogs: how they are built from the caller's fields, and
// how a dialog reads them.
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The filter buffer of a "Description|pattern|..." list: every "|" a NUL, then one more NUL.
std::u16string filterBuffer(std::string_view filter);

// The items of a filter buffer, as a dialog reads them: up to the first empty item (two NULs
// in a row, or the end of the buffer).
std::vector<std::u16string_view> filterItems(std::u16string_view buffer);

// text followed by NULs up to size code units; a longer text is kept whole.
std::u16string paddedBuffer(std::u16string text, std::size_t size);

// The text before the first NUL; a text without NUL stays whole.
std::u16string_view beforeFirstNul(std::u16string_view text);
std::string_view beforeFirstNul(std::string_view text);

}  // namespace quorvel
