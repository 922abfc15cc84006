#include "platform/command_line.h"

namespace quorvel::platform {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The program name: quotes toggle and vanish; backslashes are plain characters.
std::size_t takeProgramName(std::string_view line, std::string& name) {
    bool quoted = false;
    std::size_t i = 0;
    for (; i < line.size() && (quoted || !isBlank(line[i])); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else
            name += line[i];
    }
    return i;
}

// One argument from position i; returns the position after it.
std::size_t takeArgument(std::string_view line, std::size_t i, std::string& arg) {
    bool quoted = false;
    while (i < line.size()) {
        std::size_t slashes = 0;
        while (i < line.size() && line[i] == '\\') {
            ++slashes;
            ++i;
        }
        if (i < line.size() && line[i] == '"') {
            arg.append(slashes / 2, '\\');
            if (slashes % 2 == 1) {
                arg += '"';
            } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                arg += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
            ++i;
            continue;
        }
        arg.append(slashes, '\\');
        if (i >= line.size() || (!quoted && isBlank(line[i]))) break;
        arg += line[i++];
    }
    return i;
}

std::size_t skipBlanks(std::string_view line, std::size_t i) {
    while (i < line.size() && isBlank(line[i])) ++i;
    return i;
}

}  // namespace

std::vector<std::string> splitWindowsCommandLine(std::string_view line) {
    std::vector<std::string> args;
    std::size_t i = skipBlanks(line, 0);
    if (i >= line.size()) return args;
    args.emplace_back();
    i = skipBlanks(line, i + takeProgramName(line.substr(i), args.back()));
    while (i < line.size()) {
        args.emplace_back();
        i = skipBlanks(line, takeArgument(line, i, args.back()));
    }
    return args;
}

std::string escapeInsideQuotes(std::string_view argument) {
    std::string escaped;
    std::size_t slashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++slashes;
            continue;
        }
        // Backslashes that precede a quote must be doubled, and the quote escaped.
        escaped.append(c == '"' ? slashes * 2 + 1 : slashes, '\\');
        slashes = 0;
        escaped += c;
    }
    return escaped.append(slashes * 2, '\\');  // they precede the closing quote
}

std::string quoteWindowsArgument(std::string_view argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos)
        return std::string(argument);
    return '"' + escapeInsideQuotes(argument) + '"';
}

}  // namespace quorvel::platform
