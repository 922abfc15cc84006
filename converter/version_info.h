#pragma once
// `convert.exe -version`: ImageMagick's own version block, then the decoders this build adds,
// so a user sees at once which raw and HEIF support the converter has.
#include <cstdio>

namespace quorvel::converter {

bool isVersionRequest(int argc, const char* const* argv);
void printVersion(std::FILE* stream);

}  // namespace quorvel::converter
