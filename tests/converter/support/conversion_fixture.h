#pragma once
// A temporary output folder and the converter run the program composes:
// convert.exe -quality Q% "<input>" [-resize W] "<folder>/<output>".
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "converter_process.h"
#include "picture_facts.h"
#include "samples.h"
#include "temp_folder.h"

namespace quorvel::converter::testing_support {

class ConversionTest : public testing::Test {
protected:
    ConverterRun convert(const std::filesystem::path& input, const std::string& output,
                         std::optional<int> width = std::nullopt, int quality = 85) {
        std::vector<std::string> arguments = {"-quality", std::to_string(quality) + "%",
                                              input.string()};
        if (width) arguments.insert(arguments.end(), {"-resize", std::to_string(*width)});
        arguments.push_back((folder / output).string());
        return runConverter(arguments);
    }

    // A copy of a sample under another name, in a folder of its own.
    std::filesystem::path copyOf(const std::string& name, const std::string& as) {
        const auto target = inputs / as;
        std::filesystem::copy_file(sample(name), target,
                                   std::filesystem::copy_options::overwrite_existing);
        return target;
    }

    // Only the expected files: no staging folder, nothing partial.
    void expectFolderHolds(const std::vector<std::string>& names) {
        EXPECT_EQ(folder.entries(), names);
    }

    TempFolder folder;  // the output folder
    TempFolder inputs;
};

}  // namespace quorvel::converter::testing_support
