#include "failure_summary.h"

#include <algorithm>

namespace quorvel {
namespace {

std::string firstLine(const std::string& text) {
    const std::size_t start = text.find_first_not_of("\r\n");
    if (start == std::string::npos) return "";
    const std::size_t end = text.find_first_of("\r\n", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string reason(const EntryFailure& failure) {
    switch (failure.kind) {
        case FailureKind::NotStarted:
            return "the converter could not be started";
        case FailureKind::NotReached:
            return "not converted, the converter could not be started";
        case FailureKind::ExitStatus:
            return "the converter failed (exit status " +
                   std::to_string(failure.exitStatus.value_or(-1)) + ")";
        case FailureKind::NoOutput:
            return "the converter wrote no output file";
    }
    return "";
}

std::string describe(const EntryFailure& failure) {
    std::string line = failure.entry + ": " + reason(failure);
    if (const std::string message = firstLine(failure.converterMessage); !message.empty())
        line += ": " + message;
    return line;
}

}  // namespace

std::string composeFailureSummary(const std::vector<EntryFailure>& failures) {
    if (failures.empty()) return "";
    std::string text = failures.size() == 1 ? "1 photo was not converted:\n"
                                            : std::to_string(failures.size()) +
                                                  " photos were not converted:\n";
    const std::size_t named = std::min(failures.size(), kNamedFailures);
    for (std::size_t i = 0; i < named; ++i) text += "\n" + describe(failures[i]);
    if (failures.size() > named)
        text += "\nand " + std::to_string(failures.size() - named) + " more";
    return text;
}

}  // namespace quorvel
