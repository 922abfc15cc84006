#include "convert_command.h"

namespace quorvel {
namespace {

bool needsEscaping(const std::string& path) {
    return path.find('"') != std::string::npos || path.ends_with('\\');
}

// The C runtime's rules: backslashes before a quote are doubled and the quote gets one more;
// backslashes before the closing quote are doubled; all other backslashes stay single.
std::string escaped(const std::string& path) {
    std::string out;
    std::size_t slashes = 0;
    for (char c : path) {
        if (c == '\\') {
            ++slashes;
            continue;
        }
        out.append(c == '"' ? slashes * 2 + 1 : slashes, '\\');
        slashes = 0;
        out += c;
    }
    return out.append(slashes * 2, '\\');
}

std::string converterPath(const ConvertCommandParts& parts) {
    const std::string path = parts.programFolder + parts.separator + "data" + parts.separator +
                             "convert.exe";
    // Unquoted, a folder with a space would split the program name at the space.
    const bool hasBlank = parts.programFolder.find_first_of(" \t") != std::string::npos;
    return hasBlank ? '"' + path + '"' : path;
}

}  // namespace

std::string quotedPath(const std::string& path) {
    return '"' + (needsEscaping(path) ? escaped(path) : path) + '"';
}

std::string outputPath(const ConvertCommandParts& parts) {
    return parts.outputFolder + parts.separator + parts.baseName + "." + parts.format;
}

std::string composeConvertCommand(const ConvertCommandParts& parts) {
    return converterPath(parts) + " -quality " + parts.quality + "% " + quotedPath(parts.input) +
           parts.resizeArgument + " " + quotedPath(outputPath(parts));
}

}  // namespace quorvel
