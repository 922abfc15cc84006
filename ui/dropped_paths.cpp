#include "dropped_paths.h"

#include <algorithm>

#include "platform/ascii_case.h"
#include "platform/program_folder.h"

namespace quorvel {
namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\n\v\f\r";
    const std::size_t start = text.find_first_not_of(kSpace);
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(kSpace) - start + 1);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// %XX to its byte; a % without two hex digits stays as it is.
std::string percentDecoded(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = i + 2 < text.size() && text[i] == '%' ? hexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
        if (low < 0) {
            bytes += text[i];
            continue;
        }
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return bytes;
}

// Windows names are UTF-16 underneath: there the bytes are UTF-8, with its separators.
std::string withPlatformSeparators(std::string path) {
    const std::string_view separator = platform::pathSeparator();
    if (separator != "/") std::replace(path.begin(), path.end(), '/', separator.front());
    return path;
}

}  // namespace

std::string localPathOfUri(std::string_view line) {
    std::string_view uri = trimmed(line);
    if (!platform::equalIgnoringAsciiCase(uri.substr(0, 5), "file:")) return "";
    uri.remove_prefix(5);
    // A query or fragment is no part of the file's name (a literal '#' or '?' comes encoded).
    uri = uri.substr(0, uri.find('?'));
    uri = uri.substr(0, uri.find('#'));
    std::string_view host;
    if (uri.starts_with("//")) {
        const std::size_t slash = uri.find('/', 2);
        host = uri.substr(2, slash == std::string_view::npos ? slash : slash - 2);
        uri = slash == std::string_view::npos ? std::string_view() : uri.substr(slash);
    }
    if (uri.empty()) return "";
    // Another host's file, as a UNC path.
    const bool local = host.empty() || platform::equalIgnoringAsciiCase(host, "localhost");
    const std::string prefix = local ? "" : "//" + std::string(host);
    return withPlatformSeparators(prefix + percentDecoded(uri));
}

std::vector<std::string> localPathsOfUriList(std::string_view uriList) {
    std::vector<std::string> paths;
    while (!uriList.empty()) {
        const std::size_t end = std::min(uriList.find('\n'), uriList.size());
        const std::string_view line = uriList.substr(0, end);
        uriList.remove_prefix(std::min(end + 1, uriList.size()));
        if (trimmed(line).empty() || line.starts_with('#')) continue;
        if (std::string path = localPathOfUri(line); !path.empty())
            paths.push_back(std::move(path));
    }
    return paths;
}

}  // namespace quorvel
