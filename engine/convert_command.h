#pragma once
// The converter command line of one entry, in sixteen pieces:
//   <program folder><sep>data<sep>convert.exe -quality <quality>% "<input>"<resize> "<output
//   folder><sep><base name>.<format>"
// Pieces are inserted verbatim, with two mends so the converter receives what was meant:
// the converter's path is quoted when the program folder holds a space, and a path that holds
// a double quote or ends in backslashes is escaped by the Windows C runtime's rules.
#include <string>

#include "platform/program_folder.h"

namespace quorvel {

struct ConvertCommandParts {
    std::string programFolder;   // without a trailing separator
    std::string quality;         // text of Text1
    std::string input;           // entry of lstFile
    std::string resizeArgument;  // "" or " -resize <width>"
    std::string outputFolder;    // OutputFolder, a trailing separator kept
    std::string baseName;        // output base name
    std::string format;          // caption of lblFormat, its case kept
    std::string separator = platform::pathSeparator();
};

std::string composeConvertCommand(const ConvertCommandParts& parts);

// The output path inside the command line: outputFolder + separator + baseName + "." + format.
std::string outputPath(const ConvertCommandParts& parts);

// The path in double quotes; escaped as told above when it holds a quote or ends in "\".
std::string quotedPath(const std::string& path);

}  // namespace quorvel
