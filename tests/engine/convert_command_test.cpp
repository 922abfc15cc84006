#include "convert_command.h"

#include <gtest/gtest.h>

#include "platform/command_line.h"

namespace quorvel {
namespace {

ConvertCommandParts parts(std::string input, std::string resize = "") {
    ConvertCommandParts p;
    p.programFolder = "/opt/quorvel";
    p.quality = "85";
    p.input = std::move(input);
    p.resizeArgument = std::move(resize);
    p.outputFolder = "/home/ann/output";
    p.baseName = "beach";
    p.format = "JPG";
    p.separator = "/";
    return p;
}

template <typename Change>
ConvertCommandParts with(Change change, ConvertCommandParts p = parts("/photos/beach.NEF")) {
    change(p);
    return p;
}

struct Case {
    const char* name;
    ConvertCommandParts parts;
    std::string line;
};

std::vector<Case> cases() {
    using P = ConvertCommandParts;
    return {
        {"resize off: one space between the quoted paths", parts("/photos/beach.NEF"),
         R"(/opt/quorvel/data/convert.exe -quality 85% "/photos/beach.NEF" )"
         R"("/home/ann/output/beach.JPG")"},
        {"resize on", parts("/photos/beach.NEF", " -resize 1600"),
         R"(/opt/quorvel/data/convert.exe -quality 85% "/photos/beach.NEF" -resize 1600 )"
         R"("/home/ann/output/beach.JPG")"},
        {"empty quality", with([](P& p) { p.quality = ""; }),
         R"(/opt/quorvel/data/convert.exe -quality % "/photos/beach.NEF" )"
         R"("/home/ann/output/beach.JPG")"},
        {"output folder with a trailing separator",
         with([](P& p) { p.outputFolder = "/home/ann/output/"; }),
         R"(/opt/quorvel/data/convert.exe -quality 85% "/photos/beach.NEF" )"
         R"("/home/ann/output//beach.JPG")"},
        {"root output folder", with([](P& p) { p.outputFolder = "/"; }),
         R"(/opt/quorvel/data/convert.exe -quality 85% "/photos/beach.NEF" "//beach.JPG")"},
        {"format in its own case", with([](P& p) { p.format = "png"; }),
         R"(/opt/quorvel/data/convert.exe -quality 85% "/photos/beach.NEF" )"
         R"("/home/ann/output/beach.png")"},
        {"program folder with a space", with([](P& p) { p.programFolder = "/opt/my apps"; }),
         R"("/opt/my apps/data/convert.exe" -quality 85% "/photos/beach.NEF" )"
         R"("/home/ann/output/beach.JPG")"},
        {"input with double quotes", parts(R"(/photos/say "hi".NEF)"),
         R"(/opt/quorvel/data/convert.exe -quality 85% "/photos/say \"hi\".NEF" )"
         R"("/home/ann/output/beach.JPG")"},
        {"input with a backslash before a quote", parts(R"(/photos/a\"b.NEF)"),
         R"(/opt/quorvel/data/convert.exe -quality 85% "/photos/a\\\"b.NEF" )"
         R"("/home/ann/output/beach.JPG")"},
        {"input ending in backslashes", parts(R"(/photos/odd\\)"),
         R"(/opt/quorvel/data/convert.exe -quality 85% "/photos/odd\\\\" )"
         R"("/home/ann/output/beach.JPG")"},
        {"inner backslashes stay single", parts(R"(/photos/a\b.NEF)"),
         R"(/opt/quorvel/data/convert.exe -quality 85% "/photos/a\b.NEF" )"
         R"("/home/ann/output/beach.JPG")"},
        {"output folder with a quote", with([](P& p) { p.outputFolder = R"(/out "x")"; }),
         R"(/opt/quorvel/data/convert.exe -quality 85% "/photos/beach.NEF" )"
         R"("/out \"x\"/beach.JPG")"},
        {"Windows separators, drive-root output folder", with([](P& p) {
             p.programFolder = R"(C:\Apps\Converter)";
             p.input = R"(D:\Photos\beach.NEF)";
             p.resizeArgument = " -resize 1600";
             p.outputFolder = R"(C:\)";
             p.separator = "\\";
         }),
         R"(C:\Apps\Converter\data\convert.exe -quality 85% "D:\Photos\beach.NEF" )"
         R"(-resize 1600 "C:\\beach.JPG")"},
    };
}

TEST(ComposeConvertCommand, BuildsTheSixteenPieceLine) {
    for (const Case& c : cases()) EXPECT_EQ(composeConvertCommand(c.parts), c.line) << c.name;
}

// Whatever the paths hold, the converter must receive them as separate, intact arguments.
TEST(ComposeConvertCommand, TheConverterReceivesEachPathIntact) {
    for (const Case& c : cases()) {
        const ConvertCommandParts& p = c.parts;
        std::vector<std::string> expected = {
            p.programFolder + p.separator + "data" + p.separator + "convert.exe", "-quality",
            p.quality + "%", p.input};
        if (!p.resizeArgument.empty()) expected.insert(expected.end(), {"-resize", "1600"});
        expected.push_back(outputPath(p));
        EXPECT_EQ(platform::splitWindowsCommandLine(composeConvertCommand(p)), expected)
            << c.name;
    }
}

}  // namespace
}  // namespace quorvel
