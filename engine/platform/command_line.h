#pragma once
// Splitting a command line into arguments by the Windows C runtime's rules, so a command line
// composed for Windows reaches a POSIX child with the same arguments.
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::platform {

// The first argument follows the program-name rule: quotes toggle and are dropped, backslashes
// are literal. The rest: 2n backslashes before a quote give n backslashes and the quote toggles
// quoting; 2n+1 give n backslashes and a literal quote; "" inside quotes is a literal quote;
// spaces and tabs outside quotes separate arguments; other backslashes are literal.
std::vector<std::string> splitWindowsCommandLine(std::string_view commandLine);

// The text that, between a pair of double quotes, splitWindowsCommandLine reads back as
// `argument`: backslashes before a quote or the closing quote doubled, quotes escaped.
std::string escapeInsideQuotes(std::string_view argument);

// The inverse for one argument: quotes it when needed so that splitWindowsCommandLine gives
// it back unchanged (not for the program name).
std::string quoteWindowsArgument(std::string_view argument);

}  // namespace quorvel::platform
