#include "convert_command.h"

#include "contract/converter_contract.h"
#include "platform/command_line.h"

namespace quorvel {
namespace {

bool needsEscaping(const std::string& path) {
    return path.find('"') != std::string::npos || path.ends_with('\\');
}

std::string converterPath(const ConvertCommandParts& parts) {
    const std::string path = parts.programFolder + parts.separator + kConverterFolder +
                             parts.separator + kConverterFileName;
    // Unquoted, a folder with a space would split the program name at the space.
    const bool hasBlank = parts.programFolder.find_first_of(" \t") != std::string::npos;
    return hasBlank ? '"' + path + '"' : path;
}

}  // namespace

std::string quotedPath(const std::string& path) {
    return '"' + (needsEscaping(path) ? platform::escapeInsideQuotes(path) : path) + '"';
}

std::string outputPath(const ConvertCommandParts& parts) {
    return parts.outputFolder + parts.separator + parts.baseName + "." + parts.format;
}

std::string composeConvertCommand(const ConvertCommandParts& parts) {
    return converterPath(parts) + " -quality " + parts.quality + "% " + quotedPath(parts.input) +
           parts.resizeArgument + " " + quotedPath(outputPath(parts));
}

}  // namespace quorvel
