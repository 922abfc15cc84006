#pragma once
// File names of the conversion batch: the base name of a photo, and that base name made safe
// for an output file name and for the converter's command line.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/program_folder.h"

namespace quorvel {

// The file name of `path` without its folder and without its last extension: everything after
// the last `separator`, up to its last ".". "" when the name holds no "." or nothing before it
// ("D:\Photos\README", "D:\Photos\.NEF", "D:\Photos\" with "\" as separator). Never fails.
std::string GetBaseName(std::string_view path,
                        std::string_view separator = platform::pathSeparator());

// GetBaseName of `path` after the code-page pass, with each of / \ < > ? " : * | replaced by
// one space (so a "?" the pass produced becomes a space too), cut to kNameCap characters, and
// replaced by fallbackName() when nothing but spaces is left. Inner and outer spaces stay.
std::string CleanOutputName(std::string_view path, const platform::CodePage& codePage,
                            const platform::LocalClock& clock,
                            std::string_view separator = platform::pathSeparator());

// The name a later file of the same name gets so that both are kept: "x (2)", "x (3)"...
std::string numberedName(std::string_view name, int copy);

// "YYYYMMDD-HHMMSS" of the clock's present moment.
std::string fallbackName(const platform::LocalClock& clock);

// The cap of a clean name: at most 200 characters (UTF-8 code points), and, because a POSIX
// file name is limited in bytes rather than characters, at most 200 bytes; the cut never
// splits a character.
inline constexpr std::size_t kNameCap = 200;

}  // namespace quorvel
