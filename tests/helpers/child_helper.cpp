// A stand-in child for the runner's and the batch's tests. Copy or link it under any name
// (convert.exe, CONVERT.EXE). Two modes:
//
// Commands, processed left to right:
//   --stdout N        write N bytes of a repeating pattern to stdout
//   --stdout-text T   write T to stdout        --stderr-text T   write T to stderr
//   --sleep MS        sleep MS milliseconds     --exit N          exit with status N
//   --record FILE     write every argument to FILE, each followed by a newline
//   --clock X         write "clock:<steady clock in ns>\n" to stdout (X is ignored); with the
//                     parent on the same monotonic clock, this times the moment before exit
//
// Converter (the first argument does not start with "--"), for `convert -quality Q% IN
// [-resize W] OUT`: appends its arguments to $QUORVEL_FAKE_LOG (separated by \x1f, one run a
// line), sleeps $QUORVEL_FAKE_SLEEP_MS, then fails with a message and status 1 when the input
// path contains $QUORVEL_FAKE_FAIL (if set); otherwise writes a small file at OUT.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

void sleepMs(long ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void writeAll(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

std::string pattern(long n) {
    std::string s;
    for (long i = 0; i < n; ++i) s += static_cast<char>('a' + i % 26);
    return s;
}

int runCommands(const std::vector<std::string>& args) {
    for (std::size_t i = 1; i + 1 < args.size(); i += 2) {
        const std::string& cmd = args[i];
        const std::string& value = args[i + 1];
        if (cmd == "--stdout")
            writeAll(stdout, pattern(std::atol(value.c_str())));
        else if (cmd == "--stdout-text")
            writeAll(stdout, value);
        else if (cmd == "--stderr-text")
            writeAll(stderr, value);
        else if (cmd == "--sleep")
            sleepMs(std::atol(value.c_str()));
        else if (cmd == "--exit")
            return std::atoi(value.c_str());
        else if (cmd == "--clock") {
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::chrono::steady_clock::now().time_since_epoch());
            writeAll(stdout, "clock:" + std::to_string(ns.count()) + "\n");
        } else if (cmd == "--record") {
            std::ofstream out(value, std::ios::binary);
            for (const auto& arg : args) out << arg << '\n';
        } else {
            writeAll(stderr, "child_helper: unknown command " + cmd + "\n");
            return 99;
        }
    }
    return 0;
}

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

int runConverter(const std::vector<std::string>& args) {
    if (const std::string log = env("QUORVEL_FAKE_LOG"); !log.empty()) {
        std::ofstream out(log, std::ios::binary | std::ios::app);
        for (std::size_t i = 0; i < args.size(); ++i) out << (i ? "\x1f" : "") << args[i];
        out << '\n';
    }
    if (const std::string ms = env("QUORVEL_FAKE_SLEEP_MS"); !ms.empty())
        sleepMs(std::atol(ms.c_str()));
    if (args.size() < 5) {
        writeAll(stderr, "convert.exe: missing an input or an output file\n");
        return 1;
    }
    const std::string& input = args[3];
    const std::string& output = args.back();
    const std::string fail = env("QUORVEL_FAKE_FAIL");
    if (!fail.empty() && input.find(fail) != std::string::npos) {
        writeAll(stderr, "convert.exe: unable to open image '" + input + "'\nsecond line\n");
        return 1;
    }
    std::ofstream out(output, std::ios::binary);
    out << "converted from " << input << '\n';
    if (!out) {
        writeAll(stderr, "convert.exe: unable to write '" + output + "'\n");
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv, argv + argc);
    if (args.size() > 1 && args[1].rfind("--", 0) == 0) return runCommands(args);
    return runConverter(args);
}
