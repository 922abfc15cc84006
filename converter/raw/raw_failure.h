#pragma once
// Plain-words reasons for LibRaw's failures, naming what is unsupported where the file says
// (a DNG whose raw data uses a compression this LibRaw cannot decode, for instance).
#include <string>

namespace quorvel::converter {

enum class RawStep { Open, Unpack, Process };

std::string describeRawFailure(RawStep step, int libRawError, const std::string& path);

}  // namespace quorvel::converter
