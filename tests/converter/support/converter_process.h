#pragma once
// Runs the built data/convert.exe as the program does: an argument vector, no shell, no
// standard input; its output collected, its end awaited within a bound.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace quorvel::converter::testing_support {

struct ConverterRun {
    std::optional<int> exitCode;  // set when the converter exited
    int signal = 0;               // set when a signal ended it
    bool timedOut = false;        // killed for running past the time limit
    std::string output;           // standard output
    std::string errors;           // standard error

    std::string firstErrorLine() const;
    bool succeeded() const { return exitCode == 0; }
};

struct RunOptions {
    std::chrono::milliseconds timeLimit{60000};
    // Sends `terminateSignal` this long after the start (an interrupted conversion).
    std::optional<std::chrono::milliseconds> terminateAfter;
    int terminateSignal = 15;  // SIGTERM
};

ConverterRun runConverter(const std::vector<std::string>& arguments, RunOptions options = {});

}  // namespace quorvel::converter::testing_support
