#include "failure_summary.h"

#include "contract/converter_contract.h"

namespace quorvel {
namespace {

std::string firstLine(const std::string& text) {
    const std::size_t start = text.find_first_not_of("\r\n");
    if (start == std::string::npos) return "";
    const std::size_t end = text.find_first_of("\r\n", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The runner reports a child ended by a signal as 128 + the signal's number; these are the
// POSIX numbers (Windows has no such signals, nor any converter exit status in that range).
enum Signal : int { Hangup = 1, Interrupt = 2, Illegal = 4, Abort = 6, Bus = 7, FloatingPoint = 8,
                    Kill = 9, Segmentation = 11, Terminate = 15 };

std::string exitStatusReason(int status) {
    switch (status - 128) {
        case Hangup:
        case Interrupt:
        case Kill:
        case Terminate:
            return "the converter was stopped";
        case Illegal:
        case Abort:
        case Bus:
        case FloatingPoint:
        case Segmentation:
            return "the converter crashed";
        default:
            break;
    }
    if (const std::string_view meaning = exitCodeMeaning(status); !meaning.empty())
        return std::string(meaning);
    return "the converter failed (exit status " + std::to_string(status) + ")";
}

std::string describe(const EntryFailure& failure) {
    std::string line = failure.entry + ": " + failureReason(failure);
    if (const std::string message = firstLine(failure.converterMessage); !message.empty())
        line += ": " + message;
    return line;
}

}  // namespace

std::string failureReason(const EntryFailure& failure) {
    switch (failure.kind) {
        case FailureKind::NotStarted:
            return "the converter could not be started";
        case FailureKind::NotReached:
            return "not converted, the converter could not be started";
        case FailureKind::ExitStatus:
            return exitStatusReason(failure.exitStatus.value_or(-1));
        case FailureKind::NoOutput:
            return "the converter wrote no output file";
        case FailureKind::Interrupted:
            return "the wait for the converter was interrupted";
    }
    return "";
}

FailureSummary composeFailureSummary(const std::vector<EntryFailure>& failures) {
    if (failures.empty()) return {};
    FailureSummary summary;
    summary.text = failures.size() == 1
                       ? "1 photo was not converted."
                       : std::to_string(failures.size()) + " photos were not converted.";
    summary.text += " The details name each one and why.";
    for (const EntryFailure& failure : failures) {
        if (!summary.details.empty()) summary.details += "\n";
        summary.details += describe(failure);
    }
    return summary;
}

}  // namespace quorvel
