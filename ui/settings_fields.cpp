#include "settings_fields.h"

#include <algorithm>

namespace quorvel {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool allDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), isDigit); }

std::string_view unquoted(std::string_view field) {
    const std::size_t close = field.find('"', 1);
    return close == std::string_view::npos ? field.substr(1) : field.substr(1, close - 1);
}

std::string_view withoutLeadingZeros(std::string_view digits) {
    while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
    return digits.empty() ? "0" : digits;
}

std::string_view withoutTrailingZeros(std::string_view digits) {
    while (!digits.empty() && digits.back() == '0') digits.remove_suffix(1);
    return digits;
}

}  // namespace

std::string shortestNumber(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (text.starts_with('-') || text.starts_with('+')) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (!allDigits(whole) || !allDigits(fraction) || (whole.empty() && fraction.empty()))
        return {};
    std::string number(withoutLeadingZeros(whole));
    if (const std::string_view kept = withoutTrailingZeros(fraction); !kept.empty())
        (number += '.') += kept;
    if (negative && number != "0") number.insert(0, 1, '-');
    return number;
}

std::string settingsValue(std::string_view line) {
    const std::string_view field = line.substr(std::min(line.find_first_not_of(' '), line.size()));
    if (field.starts_with('"')) return std::string(unquoted(field));
    std::string number = shortestNumber(field);
    return number.empty() ? std::string(field) : number;
}

}  // namespace quorvel
