#pragma once
// One converter run: ImageMagick's convert command line, with inputs routed to the right
// decoder and the output written atomically. Returns the process exit status (converter_contract.h).
namespace quorvel::converter {

int runConverter(int argc, char** argv);

}  // namespace quorvel::converter
