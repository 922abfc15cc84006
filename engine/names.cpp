#include "names.h"

#include <cstdio>

namespace quorvel {
namespace {

// Characters that a file name or the quoted command line cannot carry; each becomes a space.
constexpr std::string_view kReserved = "/\\<>?\":*|";

bool continuesCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Keeps the whole characters whose ANSI form fits in kNameCap bytes: the file name is made
// from that form, so on Linux (UTF-8) a two-byte character counts twice, and in Windows-1252
// every character once.
void capName(std::string& name, const platform::CodePage& codePage) {
    std::size_t end = 0, ansiBytes = 0;
    while (end < name.size()) {
        std::size_t next = end + 1;
        while (next < name.size() && continuesCharacter(name[next])) ++next;
        ansiBytes += codePage.toAnsi(std::string_view(name).substr(end, next - end)).size();
        if (ansiBytes > kNameCap) break;
        end = next;
    }
    name.resize(end);
}

bool onlySpaces(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

std::string GetBaseName(std::string_view path, std::string_view separator) {
    const std::size_t cut = separator.empty() ? std::string_view::npos : path.rfind(separator);
    const std::string_view name =
        cut == std::string_view::npos ? path : path.substr(cut + separator.size());
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(0, dot));
}

std::string CleanOutputName(std::string_view path, const platform::CodePage& codePage,
                            const platform::LocalClock& clock, std::string_view separator) {
    std::string name = codePage.roundTrip(GetBaseName(path, separator));
    for (char& c : name)
        if (kReserved.find(c) != std::string_view::npos) c = ' ';
    capName(name, codePage);
    return onlySpaces(name) ? fallbackName(clock) : name;
}

std::string numberedName(std::string_view name, int copy) {
    return std::string(name) + " (" + std::to_string(copy) + ")";
}

std::string fallbackName(const platform::LocalClock& clock) {
    const platform::LocalDateTime t = clock.now();
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text;
}

}  // namespace quorvel
