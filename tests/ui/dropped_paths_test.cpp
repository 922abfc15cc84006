// A URI list to local paths: the percent-decoded bytes of each file URI, whatever they encode.
#include "dropped_paths.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/program_folder.h"

namespace quorvel {
namespace {

// The expected path with the platform's separators.
std::string native(std::string path) {
    if (platform::pathSeparator() != std::string_view("/"))
        std::replace(path.begin(), path.end(), '/', platform::pathSeparator()[0]);
    return path;
}

struct UriCase {
    const char* name;
    const char* uri;
    const char* path;
};

class UriLines : public testing::TestWithParam<UriCase> {};

TEST_P(UriLines, ArePercentDecodedBytes) {
    EXPECT_EQ(localPathOfUri(GetParam().uri), native(GetParam().path));
}

INSTANTIATE_TEST_SUITE_P(
    DroppedPaths, UriLines,
    testing::Values(UriCase{"plain", "file:///p/a.NEF", "/p/a.NEF"},
                    UriCase{"rawLatin1Byte", "file:///p/caf\xe9.hdr", "/p/caf\xe9.hdr"},
                    UriCase{"encodedLatin1Byte", "file:///p/caf%E9.hdr", "/p/caf\xe9.hdr"},
                    UriCase{"encodedUtf8", "file:///p/%D0%A4%20x.dng", "/p/\xd0\xa4 x.dng"},
                    UriCase{"localhost", "file://localhost/p/a.NEF", "/p/a.NEF"},
                    UriCase{"upperCaseScheme", "FILE:///p/a.NEF", "/p/a.NEF"},
                    UriCase{"otherHost", "file://server/share/a.NEF", "//server/share/a.NEF"},
                    UriCase{"carriageReturn", "file:///p/a.NEF\r", "/p/a.NEF"},
                    UriCase{"encodedHashKept", "file:///p/a%23b.NEF#frag", "/p/a#b.NEF"},
                    UriCase{"queryDropped", "file:///p/a.NEF?x=1", "/p/a.NEF"},
                    UriCase{"webAddress", "https://example.com/x.jpg", ""},
                    UriCase{"noPath", "file://", ""}),
    [](const testing::TestParamInfo<UriCase>& info) { return std::string(info.param.name); });

TEST(DroppedPaths, AUriListGivesItsFilesInOrder) {
    const std::string list =
        "# a comment\r\nfile:///p/c.NEF\r\nhttps://example.com/x.jpg\r\n\r\n"
        "file:///p/a%20b.heic\r\nfile:///p/caf\xe9.hdr";
    EXPECT_EQ(localPathsOfUriList(list),
              (std::vector<std::string>{native("/p/c.NEF"), native("/p/a b.heic"),
                                        native("/p/caf\xe9.hdr")}));
}

TEST(DroppedPaths, AListWithoutFilesGivesNone) {
    EXPECT_TRUE(localPathsOfUriList("").empty());
    EXPECT_TRUE(localPathsOfUriList("\r\n# only a comment\r\nmailto:a@example.com\n").empty());
}

}  // namespace
}  // namespace quorvel
