#pragma once
// The output argument of a convert command: an optional explicit format ("PNG:out.dat"), the
// file path, and the format the path's extension names. Needs MagickCore started.
#include <string>

namespace quorvel::converter {

struct OutputTarget {
    std::string prefix;  // "PNG:" or ""
    std::string path;    // the file to write
    std::string format;  // from the prefix, else the extension, upper case; "" for neither
    // Whether the output is a file written through a staging folder (not stdout, not a
    // display or the null format).
    bool isFile = false;
};

OutputTarget parseOutputArgument(const std::string& argument);

// The explicit format of an argument ("PNG" of "PNG:out.dat", "rose" of "rose:") by
// ImageMagick's rule, as written; "" when it has none.
std::string formatPrefix(const std::string& argument);

// "" when ImageMagick can write the target's format; otherwise why not.
std::string formatProblem(const OutputTarget& target);

}  // namespace quorvel::converter
