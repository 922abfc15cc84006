#include "command/output_target.h"

#include <magick/MagickCore.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace quorvel::converter {
namespace {

// Formats that write no file of the given name.
constexpr std::array<std::string_view, 6> kNoFileFormats = {"NULL", "X",   "FD",
                                                            "SHOW", "WIN", "CLIPBOARD"};

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

const MagickInfo* formatInfo(const std::string& name) {
    ExceptionInfo* exception = AcquireExceptionInfo();
    const MagickInfo* info = GetMagickInfo(name.c_str(), exception);
    DestroyExceptionInfo(exception);
    return info;
}

std::string extensionOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) ||
        dot + 1 == path.size())
        return {};
    return upper(path.substr(dot + 1));
}

}  // namespace

// ImageMagick's rule: a prefix is a known format name of two or more characters.
std::string formatPrefix(const std::string& argument) {
    const std::size_t colon = argument.find(':');
    if (colon == std::string::npos || colon < 2) return {};
    const std::string name = argument.substr(0, colon);
    if (!std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c); }))
        return {};
    return formatInfo(upper(name)) ? name : std::string{};
}

OutputTarget parseOutputArgument(const std::string& argument) {
    OutputTarget target;
    const std::string prefix = formatPrefix(argument);
    target.prefix = prefix.empty() ? "" : prefix + ":";
    target.path = argument.substr(target.prefix.size());
    target.format = prefix.empty() ? extensionOf(target.path) : upper(prefix);
    const bool noFile = std::find(kNoFileFormats.begin(), kNoFileFormats.end(), upper(prefix)) !=
                        kNoFileFormats.end();
    target.isFile = !noFile && !target.path.empty() && target.path != "-";
    return target;
}

std::string formatProblem(const OutputTarget& target) {
    if (target.format.empty() || !target.isFile) return {};
    const MagickInfo* info = formatInfo(target.format);
    if (!info) return "unknown output format `" + target.format + "'";
    if (!GetImageEncoder(info)) return "no writer for the output format `" + target.format + "'";
    return {};
}

}  // namespace quorvel::converter
