#include "diagnostics.h"

#include <algorithm>

namespace quorvel::converter {

void Diagnostics::error(ExitCode code, std::string message) {
    if (failed()) return;
    m_code = code == ExitCode::Converted ? ExitCode::Failed : code;
    m_firstError = std::move(message);
}

void Diagnostics::replaceError(ExitCode code, std::string message) {
    m_code = ExitCode::Converted;
    error(code, std::move(message));
}

void Diagnostics::warning(std::string message) { m_warnings.push_back(std::move(message)); }

void Diagnostics::nameAs(std::string internal, std::string user) {
    if (internal.empty()) return;
    m_names.emplace_back(std::move(internal), std::move(user));
    // Longer names first: "/proc/self/fd/12" must not be taken for "/proc/self/fd/1".
    std::stable_sort(m_names.begin(), m_names.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
}

std::string Diagnostics::forUser(std::string message) const {
    for (const auto& [internal, user] : m_names) {
        std::size_t at = 0;
        while ((at = message.find(internal, at)) != std::string::npos) {
            message.replace(at, internal.size(), user);
            at += user.size();
        }
    }
    // One line: the program shows a failed run's first line.
    for (char& c : message)
        if (c == '\n' || c == '\r') c = ' ';
    return message;
}

void Diagnostics::print(std::FILE* stream) const {
    if (failed()) {
        std::fprintf(stream, "%s: %s\n", kConverterFileName, forUser(m_firstError).c_str());
        return;
    }
    for (const std::string& line : m_warnings)
        std::fprintf(stream, "%s: %s\n", kConverterFileName, forUser(line).c_str());
}

std::string withoutSourceLocation(const std::string& message) {
    for (const char* marker : {" @ error/", " @ warning/", " @ fatal/"}) {
        const std::size_t at = message.rfind(marker);
        if (at != std::string::npos) return message.substr(0, at);
    }
    return message;
}

}  // namespace quorvel::converter
