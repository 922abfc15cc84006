#pragma once
// The one message that lists the entries of a batch that produced no converted file.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

enum class FailureKind {
    NotStarted,  // the converter could not be started for this entry
    NotReached,  // not started because the converter could not be started for an earlier one
    ExitStatus,  // the converter exited with a non-zero status
    NoOutput,    // the converter ended but left no output file
};

struct EntryFailure {
    std::string entry;                // the input path, as listed
    FailureKind kind = FailureKind::NoOutput;
    std::optional<int> exitStatus;    // for ExitStatus
    std::string converterMessage;     // the converter's whole output; its first line is shown
};

// At most kNamedFailures entries are named, each with its reason, then "and N more".
inline constexpr std::size_t kNamedFailures = 20;

// "" when there is no failure.
std::string composeFailureSummary(const std::vector<EntryFailure>& failures);

}  // namespace quorvel
