#include "diagnostics.h"

namespace quorvel::converter {

void Diagnostics::error(ExitCode code, std::string message) {
    if (failed()) return;
    m_code = code == ExitCode::Converted ? ExitCode::Failed : code;
    m_firstError = std::move(message);
}

void Diagnostics::warning(std::string message) { m_warnings.push_back(std::move(message)); }

void Diagnostics::print(std::FILE* stream) const {
    if (failed()) {
        std::fprintf(stream, "%s: %s\n", kConverterFileName, m_firstError.c_str());
        return;
    }
    for (const std::string& line : m_warnings)
        std::fprintf(stream, "%s: %s\n", kConverterFileName, line.c_str());
}

std::string withoutSourceLocation(const std::string& message) {
    for (const char* marker : {" @ error/", " @ warning/", " @ fatal/"}) {
        const std::size_t at = message.rfind(marker);
        if (at != std::string::npos) return message.substr(0, at);
    }
    return message;
}

}  // namespace quorvel::converter
