#pragma once
// What went wrong during one run, printed the way the program reads it: when the run failed,
// the first error alone on the first line (the program shows a failed run's first line);
// warnings only when the run succeeded, as ImageMagick's own convert prints them.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "converter_contract.h"

namespace quorvel::converter {

class Diagnostics {
public:
    // The first error decides the exit code and the line that is printed.
    void error(ExitCode code, std::string message);
    void warning(std::string message);
    // A cause found afterwards that explains every error before it (the disk is full).
    void replaceError(ExitCode code, std::string message);

    bool failed() const { return m_code != ExitCode::Converted; }
    ExitCode exitCode() const { return m_code; }
    const std::string& firstError() const { return m_firstError; }

    // Messages name `internal` (a staged or descriptor path the user never gave) as `user`.
    void nameAs(std::string internal, std::string user);

    // Writes "convert.exe: <message>" lines to the stream.
    void print(std::FILE* stream) const;

private:
    ExitCode m_code = ExitCode::Converted;
    std::string m_firstError;
    std::vector<std::string> m_warnings;
    std::vector<std::pair<std::string, std::string>> m_names;

    std::string forUser(std::string message) const;
};

// ImageMagick's messages end in the source location (" @ error/blob.c/OpenBlob/3014"), which
// means nothing to a user; this strips it.
std::string withoutSourceLocation(const std::string& message);

}  // namespace quorvel::converter
