#include "diagnostics.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace quorvel::converter {
namespace {

std::string printed(const Diagnostics& report) {
    char* text = nullptr;
    std::size_t length = 0;
    std::FILE* stream = open_memstream(&text, &length);
    report.print(stream);
    std::fclose(stream);
    std::string result(text, length);
    std::free(text);
    return result;
}

// Messages name the files the user gave, never the descriptor or staging names ImageMagick
// was handed; a longer internal name is never mistaken for a shorter one it begins with.
TEST(Diagnostics, NamesEveryFileAsTheUserGaveIt) {
    Diagnostics report;
    report.nameAs("/proc/self/fd/1", "first.jpg");
    report.nameAs("/proc/self/fd/12", "twelfth.jpg");
    report.nameAs("/proc/self/fd/7/out", "out/photo.JPG");
    report.error(ExitCode::InputError,
                 "`/proc/self/fd/12' and `/proc/self/fd/1' into `/proc/self/fd/7/out'\nmore");
    EXPECT_EQ(printed(report),
              "convert.exe: `twelfth.jpg' and `first.jpg' into `out/photo.JPG' more\n");
}

TEST(Diagnostics, ALaterCauseReplacesTheFirstError) {
    Diagnostics report;
    report.error(ExitCode::Failed, "WriteBlob Failed `x'");
    report.error(ExitCode::InputError, "ignored");
    report.replaceError(ExitCode::OutputError, "the disk is full");
    EXPECT_EQ(report.exitCode(), ExitCode::OutputError);
    EXPECT_EQ(printed(report), "convert.exe: the disk is full\n");
}

}  // namespace
}  // namespace quorvel::converter
