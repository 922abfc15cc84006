#include "command/command_args.h"

#include <magick/MagickCore.h>

#include <algorithm>
#include <array>
#include <string_view>

namespace quorvel::converter {
namespace {

// Settings and operators that leave the picture's pixel size alone and do not depend on it.
constexpr std::array<std::string_view, 22> kSizeNeutralOptions = {
    "-quality",    "-strip",       "-interlace", "-sampling-factor", "-define",
    "+define",     "-depth",       "-compress",  "-filter",          "-type",
    "-colorspace", "-auto-orient", "-quiet",     "-verbose",         "-monitor",
    "-limit",      "-comment",     "-label",     "-density",         "-units",
    "-intent",     "-endian"};

constexpr std::array<std::string_view, 2> kResizeOptions = {"-resize", "-thumbnail"};

bool contains(const auto& table, std::string_view option) {
    return std::find(table.begin(), table.end(), option) != table.end();
}

bool isParenthesis(std::string_view arg) { return arg == "(" || arg == ")"; }

// Number of values an option takes; unknown options are ImageMagick's to reject.
std::size_t valueCount(const std::string& option) {
    const ssize_t count = ParseCommandOption(MagickCommandOptions, MagickFalse, option.c_str());
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

struct ResizeTracker {
    std::optional<std::string> geometry;
    int resizes = 0;
    bool otherSizeDependent = false;

    void option(const std::string& name, const std::vector<std::string>& argv, std::size_t i) {
        if (contains(kResizeOptions, name) && i + 1 < argv.size()) {
            ++resizes;
            geometry = argv[i + 1];
        } else if (!contains(kSizeNeutralOptions, name)) {
            otherSizeDependent = true;
        }
    }
};

}  // namespace

CommandArgs scanCommand(int argc, const char* const* argv) {
    CommandArgs args;
    args.argv.assign(argv, argv + argc);
    if (argc >= 3) args.output = static_cast<std::size_t>(argc - 1);
    const std::size_t end = args.output.value_or(static_cast<std::size_t>(argc));
    ResizeTracker tracker;
    for (std::size_t i = 1; i < end; ++i) {
        const std::string& arg = args.argv[i];
        if (isParenthesis(arg)) {
            tracker.otherSizeDependent = true;
        } else if (IsCommandOption(arg.c_str())) {
            tracker.option(arg, args.argv, i);
            i += valueCount(arg);
        } else {
            args.inputs.push_back(i);
        }
    }
    if (args.inputs.size() == 1 && tracker.resizes == 1 && !tracker.otherSizeDependent)
        args.soleResizeGeometry = tracker.geometry;
    return args;
}

std::vector<char*> argumentPointers(CommandArgs& args) {
    std::vector<char*> pointers;
    for (std::string& arg : args.argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace quorvel::converter
