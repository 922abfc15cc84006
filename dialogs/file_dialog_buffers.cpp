#include "file_dialog_buffers.h"

#include <algorithm>

#include "utf16_text.h"

namespace quorvel {

std::u16string filterBuffer(std::string_view filter) {
    std::u16string buffer = utf16Of(filter);
    std::replace(buffer.begin(), buffer.end(), u'|', u'\0');
    buffer += u'\0';
    return buffer;
}

std::vector<std::u16string_view> filterItems(std::u16string_view buffer) {
    std::vector<std::u16string_view> items;
    while (!buffer.empty() && buffer.front() != u'\0') {
        const std::u16string_view item = beforeFirstNul(buffer);
        items.push_back(item);
        buffer.remove_prefix(std::min(buffer.size(), item.size() + 1));
    }
    return items;
}

std::u16string paddedBuffer(std::u16string text, std::size_t size) {
    if (text.size() < size) text.resize(size, u'\0');
    return text;
}

std::u16string_view beforeFirstNul(std::u16string_view text) {
    return text.substr(0, text.find(u'\0'));
}

std::string_view beforeFirstNul(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace quorvel
