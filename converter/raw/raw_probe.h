#pragma once
// Whether LibRaw recognises a file as a camera raw it can open (by content, whatever the
// file is called). Opening only parses the metadata; no pixels are read.
#include <string>

namespace quorvel::converter {

bool libRawRecognises(const std::string& path);

}  // namespace quorvel::converter
