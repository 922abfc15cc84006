#pragma once
// The contract between the program and its bundled converter, kept in one header that both
// sides include: where the converter lives, what it is called, and what its exit status means.
//
// The program runs `<program folder>/data/convert.exe` with ImageMagick `convert` arguments
// (`-quality 85% "in.NEF" -resize 1600 "out/in.JPG"`). The converter reads every input named
// on the command line and writes the file named by the last argument, atomically: the file at
// that path is either the complete new picture or whatever was there before. On failure it
// prints one line on stderr, "convert.exe: <reason> `<file>'...", and exits non-zero.
#include <string_view>

namespace quorvel {

inline constexpr const char* kConverterFolder = "data";
inline constexpr const char* kConverterFileName = "convert.exe";

enum class ExitCode : int {
    Converted = 0,
    Failed = 1,       // ImageMagick refused the command or failed while converting
    UsageError = 2,   // no output named, or an output format nothing can write
    InputError = 3,   // an input is missing, unreadable, empty, damaged or not decodable
    OutputError = 4,  // the output folder is missing or unwritable, or the output would
                      // replace an input
};

// What an exit status of the converter means, in words for the person who dropped the photo;
// empty for 0 and for a status the converter never uses (a different converter may).
constexpr std::string_view exitCodeMeaning(int status) {
    switch (static_cast<ExitCode>(status)) {
        case ExitCode::Converted:
            return "";
        case ExitCode::Failed:
            return "the conversion failed";
        case ExitCode::UsageError:
            return "the converter did not accept its command";
        case ExitCode::InputError:
            return "the photo could not be read";
        case ExitCode::OutputError:
            return "the output file could not be written";
    }
    return "";
}

}  // namespace quorvel
