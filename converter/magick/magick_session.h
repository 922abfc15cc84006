#pragma once
// ImageMagick for the length of one converter run: starts MagickCore, routes every warning
// and error it reports into a Diagnostics, and shuts MagickCore down again.
#include "diagnostics.h"

namespace quorvel::converter {

class MagickSession {
public:
    MagickSession(const char* programPath, Diagnostics& diagnostics);
    ~MagickSession();
    MagickSession(const MagickSession&) = delete;
    MagickSession& operator=(const MagickSession&) = delete;
};

}  // namespace quorvel::converter
