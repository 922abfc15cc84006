#pragma once
// The one message that lists the entries of a batch that produced no converted file.
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

enum class FailureKind {
    NotStarted,   // the converter could not be started for this entry
    NotReached,   // not started because the converter could not be started for an earlier one
    ExitStatus,   // the converter exited with a non-zero status
    NoOutput,     // the converter ended but left no output file
    Interrupted,  // the wait for the converter failed in its middle
};

struct EntryFailure {
    std::string entry;  // the input path, as listed
    FailureKind kind = FailureKind::NoOutput;
    std::optional<int> exitStatus;  // for ExitStatus
    std::string converterMessage;   // the converter's whole output (or the wait's error); its
                                    // first line is shown
};

// A short text that fits any screen, and every entry with its reason for a scrollable area.
struct FailureSummary {
    std::string text;
    std::string details;
    bool empty() const { return text.empty(); }
};

// Empty when there is no failure.
FailureSummary composeFailureSummary(const std::vector<EntryFailure>& failures);

// The reason of one failure in words.
std::string failureReason(const EntryFailure& failure);

}  // namespace quorvel
