#pragma once
// Reads an ImageMagick `convert` argument vector the way ConvertImageCommand will: which
// arguments name images (every non-option argument; the last one is the output) and which
// are option values. Nothing is validated here; ImageMagick does that when the command runs.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quorvel::converter {

struct CommandArgs {
    std::vector<std::string> argv;      // argv[0] included
    std::vector<std::size_t> inputs;    // indices of the image arguments read
    std::optional<std::size_t> output;  // index of the written image argument
    // The geometry of the one -resize or -thumbnail, when it is the only operation that
    // depends on the input's pixel size: a raw may then be decoded smaller (half_size_policy).
    std::optional<std::string> soleResizeGeometry;
};

// Needs MagickCore started: option arities come from ImageMagick's own option table.
CommandArgs scanCommand(int argc, const char* const* argv);

// The argument vector in the form ConvertImageCommand takes; valid while `args` lives.
std::vector<char*> argumentPointers(CommandArgs& args);

}  // namespace quorvel::converter
