// How long ExecuteCommand takes to return after its child has exited, for a child that exits
// at once. Usage: bench_runner_latency CHILD_HELPER [RUNS]   (prints each run, then the median)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dos_outputs.h"
#include "plain_event_pump.h"
#include "platform/command_line.h"

namespace {

class PrintedMessages : public quorvel::platform::UserMessages {
public:
    void showCritical(const std::string& text) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CHILD_HELPER [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 20;
    const std::string helper = argv[1];
    quorvel::WatchedProcessName = helper.substr(helper.rfind('/') + 1);
    quorvel::platform::PlainEventPump pump;
    PrintedMessages messages;
    quorvel::DOSOutputs runner({pump, messages, quorvel::platform::systemCodePage(),
                               quorvel::platform::systemChildProcesses(),
                               quorvel::platform::systemProcessTable()});
    const std::string line = quorvel::platform::quoteWindowsArgument(helper) + " --clock x";

    std::vector<double> latencies;
    for (int i = 0; i < runs; ++i) {
        const std::string out = runner.ExecuteCommand(line);
        const auto returned = std::chrono::steady_clock::now().time_since_epoch();
        const auto at = out.find("clock:");
        if (at == std::string::npos) return 1;
        const long long exitedNs = std::stoll(out.substr(at + 6));
        const double ms =
            (std::chrono::duration_cast<std::chrono::nanoseconds>(returned).count() - exitedNs) /
            1e6;
        latencies.push_back(ms);
        std::printf("run %2d: %.1f ms\n", i + 1, ms);
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("median over %d runs: %.1f ms (min %.1f, max %.1f)\n", runs,
                latencies[latencies.size() / 2], latencies.front(), latencies.back());
}
