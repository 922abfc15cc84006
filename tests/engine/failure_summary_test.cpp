// Each reason of the failure summary in words, from the converter's own exit codes and from
// the signals that can end it.
#include "failure_summary.h"

#include <gtest/gtest.h>

#include "contract/converter_contract.h"

namespace quorvel {
namespace {

TEST(FailureReason, ExitStatusesInWords) {
    struct Case {
        int status;
        const char* reason;
    };
    const Case cases[] = {
        {static_cast<int>(ExitCode::Failed), "the conversion failed"},
        {static_cast<int>(ExitCode::UsageError), "the converter did not accept its command"},
        {static_cast<int>(ExitCode::InputError), "the photo could not be read"},
        {static_cast<int>(ExitCode::OutputError), "the output file could not be written"},
        {128 + 9, "the converter was stopped"},   // SIGKILL
        {128 + 15, "the converter was stopped"},  // SIGTERM
        {128 + 11, "the converter crashed"},      // SIGSEGV
        {128 + 6, "the converter crashed"},       // SIGABRT
        {7, "the converter failed (exit status 7)"},  // not one of ours
        {255, "the converter failed (exit status 255)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(failureReason({"x", FailureKind::ExitStatus, c.status, ""}), c.reason)
            << c.status;
}

TEST(FailureReason, AnInterruptedWaitHasItsOwnWording) {
    EXPECT_EQ(failureReason({"x", FailureKind::Interrupted, {}, "[clsWaitableTimer.Wait] x"}),
              "the wait for the converter was interrupted");
}

TEST(FailureSummaryText, ShortTextAndEveryEntryInTheDetails) {
    std::vector<EntryFailure> failures;
    for (int i = 0; i < 30; ++i)
        failures.push_back({"/photos/" + std::string(120, 'n') + std::to_string(i) + ".NEF",
                            FailureKind::ExitStatus, 3, "convert.exe: damaged\nmore"});
    const FailureSummary summary = composeFailureSummary(failures);
    EXPECT_EQ(summary.text, "30 photos were not converted. The details name each one and why.");
    for (int i = 0; i < 30; ++i)
        EXPECT_NE(summary.details.find(std::string(120, 'n') + std::to_string(i) +
                                       ".NEF: the photo could not be read: convert.exe: damaged"),
                  std::string::npos);
    EXPECT_EQ(summary.details.find("more"), std::string::npos);  // first lines only
    EXPECT_TRUE(composeFailureSummary({}).empty());
}

}  // namespace
}  // namespace quorvel
