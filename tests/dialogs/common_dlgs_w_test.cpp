// CommonDlgsW over a scripted backend: the record each dialog receives, and the fields after a
// confirm, a cancel or a failure.
#include "common_dlgs_w.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/scripted_dialogs.h"
#include "utf16_text.h"

namespace quorvel {
namespace {

using namespace std::string_literals;

class CommonDlgsWTest : public ::testing::Test {
protected:
    test::ScriptedDialogBackend backend;
    CommonDlgsW dialogs{backend};
    int ownerObject = 0;
    WindowHandle owner = &ownerObject;

    const FileDialogRecord& shown() const { return backend.requests.back(); }
};

std::u16string nuls(std::size_t count) { return std::u16string(count, u'\0'); }

TEST_F(CommonDlgsWTest, FreshObject) {
    EXPECT_EQ(dialogs.Filter, "All files (*.*)|*.*");
    EXPECT_EQ(dialogs.FilterIndex, 1);
    EXPECT_EQ(dialogs.MaxFileSize, 256);
    EXPECT_EQ(dialogs.Color(), 0xC0C0C0u);
    EXPECT_EQ(dialogs.Flags, 0);
    for (const std::string* field : {&dialogs.DefaultExt, &dialogs.DialogTitle, &dialogs.Title,
                                     &dialogs.FileName, &dialogs.FileTitle, &dialogs.InitDir})
        EXPECT_TRUE(field->empty());
}

TEST_F(CommonDlgsWTest, RecordOfAFreshObject) {
    EXPECT_FALSE(dialogs.ShowOpen(owner));
    ASSERT_EQ(backend.requests.size(), 1u);
    const FileDialogRecord& r = shown();
    EXPECT_EQ(r.owner, owner);
    EXPECT_EQ(r.filter, u"All files (*.*)\0*.*\0"s);
    EXPECT_EQ(r.filterIndex, 1);
    EXPECT_EQ(r.file, nuls(256));
    EXPECT_EQ(r.maxFile, 256u);
    EXPECT_EQ(r.fileTitle, nuls(256));
    EXPECT_EQ(r.initialFolder, nuls(256));
    EXPECT_FALSE(r.caption);
    EXPECT_FALSE(r.defaultExtension);
    EXPECT_EQ(r.flags, 0);
    EXPECT_FALSE(backend.savesShown.back());
}

TEST_F(CommonDlgsWTest, RecordCarriesTheFields) {
    dialogs.Filter = "Pictures|*.jpg;*.png|Raw|*.nef|Text (*.txt)|*.txt";
    dialogs.FilterIndex = 2;
    dialogs.FileName = "/fotos/Größe.nef";
    dialogs.InitDir = "/fotos";
    dialogs.DialogTitle = "Pick one";
    dialogs.DefaultExt = "nef";
    dialogs.Flags = 0x1000;
    EXPECT_FALSE(dialogs.ShowSave(owner));
    const FileDialogRecord& r = shown();
    EXPECT_TRUE(backend.savesShown.back());
    // Six items, each followed by a NUL; the string's terminator is the NUL that ends the list.
    EXPECT_EQ(r.filter, u"Pictures\0*.jpg;*.png\0Raw\0*.nef\0Text (*.txt)\0*.txt\0"s);
    EXPECT_EQ(r.filter.c_str()[r.filter.size()], u'\0');
    EXPECT_EQ(r.filterIndex, 2);
    EXPECT_EQ(r.file, u"/fotos/Größe.nef" + nuls(256 - 16));
    EXPECT_EQ(r.initialFolder, u"/fotos" + nuls(250));
    EXPECT_EQ(r.caption, u"Pick one");
    EXPECT_EQ(r.defaultExtension, u"nef");
    EXPECT_EQ(r.flags, 0x1000);
}

TEST_F(CommonDlgsWTest, ConfirmedPickWithAPathOutsideEveryCodePage) {
    const std::string path = "/home/jö/Фото/日本 photo ✓ 😀.heic";
    backend.pick(path);
    EXPECT_TRUE(dialogs.ShowOpen(owner));
    EXPECT_EQ(dialogs.FileName, path);
    EXPECT_EQ(dialogs.FileTitle, "日本 photo ✓ 😀.heic");
    EXPECT_EQ(dialogs.Title, dialogs.FileTitle);
}

TEST_F(CommonDlgsWTest, CancelChangesNoField) {
    dialogs.FileName = "start.nef";
    dialogs.FileTitle = "old";
    dialogs.Title = "old title";
    dialogs.Flags = 0x4;
    backend.cancel();
    EXPECT_FALSE(dialogs.ShowOpen(owner));
    EXPECT_EQ(dialogs.FileName, "start.nef");
    EXPECT_EQ(dialogs.FileTitle, "old");
    EXPECT_EQ(dialogs.Title, "old title");
    EXPECT_EQ(dialogs.Flags, 0x4);
}

TEST_F(CommonDlgsWTest, MultiSelectKeepsTheRawBuffer) {
    dialogs.Flags = 0x200;
    dialogs.Title = "kept";
    backend.answers.push_back({true, u"/p\0a.nef\0b.nef\0"s, u"a.nef", 0x200, {}});
    EXPECT_TRUE(dialogs.ShowOpen(owner));
    EXPECT_EQ(dialogs.FileName, "/p\0a.nef\0b.nef\0"s + std::string(256 - 15, '\0'));
    EXPECT_EQ(dialogs.FileTitle, "");
    EXPECT_EQ(dialogs.Title, "kept");
}

TEST_F(CommonDlgsWTest, TheDialogWritesOverWhatTheBufferHeld) {
    dialogs.FileName = "a much longer starting name.nef";
    backend.pick("/p/x.nef");
    EXPECT_TRUE(dialogs.ShowOpen(owner));
    EXPECT_EQ(dialogs.FileName, "/p/x.nef");
    EXPECT_EQ(dialogs.FileTitle, "x.nef");
}

TEST_F(CommonDlgsWTest, NoValidateCutsButLeavesTheTitles) {
    dialogs.Flags = 0x100;
    dialogs.Title = "kept";
    backend.pick("/p/a.nef");
    EXPECT_TRUE(dialogs.ShowOpen(owner));
    EXPECT_EQ(dialogs.FileName, "/p/a.nef");
    EXPECT_EQ(dialogs.FileTitle, "");
    EXPECT_EQ(dialogs.Title, "kept");
}

TEST_F(CommonDlgsWTest, FilterIndexIsNotTakenBack) {
    dialogs.Filter = "A|*.a|B|*.b|C|*.c";
    dialogs.FilterIndex = 3;
    backend.answers.push_back({true, u"/p/x.a", u"x.a", {}, 1});  // the user switched type
    EXPECT_TRUE(dialogs.ShowOpen(owner));
    EXPECT_EQ(dialogs.FilterIndex, 3);
    EXPECT_FALSE(dialogs.ShowOpen(owner));
    EXPECT_EQ(shown().filterIndex, 3);
}

TEST_F(CommonDlgsWTest, ReturnedFlagsAreKept) {
    dialogs.Flags = 0x4;
    backend.pick("/p/x.a", 0x404);
    EXPECT_TRUE(dialogs.ShowSave(owner));
    EXPECT_EQ(dialogs.Flags, 0x404);
    EXPECT_EQ(dialogs.FileTitle, "x.a");
}

// A capacity above the buffer's 256 characters gets a buffer that backs it, so the dialog can
// never write past the end.
TEST_F(CommonDlgsWTest, TheFileBufferBacksTheCapacity) {
    dialogs.MaxFileSize = 1024;
    EXPECT_FALSE(dialogs.ShowOpen(owner));
    EXPECT_EQ(shown().maxFile, 1024u);
    EXPECT_EQ(shown().file, nuls(1024));
    dialogs.MaxFileSize = -1;
    EXPECT_FALSE(dialogs.ShowOpen(owner));
    EXPECT_EQ(shown().maxFile, 0u);
    EXPECT_EQ(shown().file, nuls(256));
}

struct OverlongCase {
    const char* name;
    std::string fileName;
    std::string initDir;
    bool fails;
};

void PrintTo(const OverlongCase& c, std::ostream* os) { *os << c.name; }

class OverlongTexts : public CommonDlgsWTest,
                      public ::testing::WithParamInterface<OverlongCase> {};

std::string repeated(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

// The cap counts UTF-16 code units: "é" is one, "😀" two.
INSTANTIATE_TEST_SUITE_P(
    CommonDlgsW, OverlongTexts,
    ::testing::Values(OverlongCase{"FileNameOf256", repeated("f", 256), "", false},
                      OverlongCase{"FileNameOf257", repeated("f", 257), "", true},
                      OverlongCase{"TwoByteCharacters256", repeated("é", 256), "", false},
                      OverlongCase{"TwoByteCharacters257", repeated("é", 257), "", true},
                      OverlongCase{"SurrogatePairs256Units", repeated("😀", 128), "", false},
                      OverlongCase{"SurrogatePairs258Units", repeated("😀", 129), "", true},
                      OverlongCase{"FolderOf256", "", repeated("d", 256), false},
                      OverlongCase{"FolderOf257", "", repeated("d", 257), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(OverlongTexts, FailBeforeAnyDialog) {
    dialogs.FileName = GetParam().fileName;
    dialogs.InitDir = GetParam().initDir;
    if (GetParam().fails) {
        EXPECT_THROW(dialogs.ShowOpen(owner), std::invalid_argument);
        EXPECT_THROW(dialogs.ShowSave(owner), std::invalid_argument);
        EXPECT_TRUE(backend.requests.empty());
    } else {
        EXPECT_FALSE(dialogs.ShowOpen(owner));
        EXPECT_EQ(shown().file.size(), 256u);
        EXPECT_EQ(shown().initialFolder.size(), 256u);
    }
}

struct ColorWriteCase {
    const char* name;
    ColorRef written;
    ColorRef stored;
};

void PrintTo(const ColorWriteCase& c, std::ostream* os) { *os << c.name; }

class ColorWrite : public CommonDlgsWTest, public ::testing::WithParamInterface<ColorWriteCase> {};

// The scripted backend's system colour i is 0x010000 * i + 0x42.
INSTANTIATE_TEST_SUITE_P(
    CommonDlgsW, ColorWrite,
    ::testing::Values(ColorWriteCase{"PlainColour", 0x00123456u, 0x00123456u},
                      ColorWriteCase{"ButtonFaceReference", 0x8000000Fu, 0x000F0042u},
                      ColorWriteCase{"OnlyTheLow16BitsIndex", 0x80FF0005u, 0x00050042u}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ColorWrite, StoresTheColourOrTheSystemColour) {
    dialogs.Color(GetParam().written);
    EXPECT_EQ(dialogs.Color(), GetParam().stored);
}

TEST_F(CommonDlgsWTest, ShowColor) {
    EXPECT_FALSE(dialogs.ShowColor(owner));
    ASSERT_EQ(backend.colorRequests.size(), 1u);
    const ColorDialogRecord& first = backend.colorRequests[0].record;
    EXPECT_EQ(first.owner, owner);
    EXPECT_EQ(first.flags, 0x103u);
    EXPECT_EQ(first.color, 0xC0C0C0u);
    EXPECT_EQ(backend.colorRequests[0].customColors, CustomColors{});
    EXPECT_EQ(dialogs.Color(), 0xC0C0C0u);

    backend.colorAnswer = 0x00FF8000u;
    backend.colorsToSet[3] = 0x00112233u;
    EXPECT_TRUE(dialogs.ShowColor(owner));
    EXPECT_EQ(dialogs.Color(), 0x00FF8000u);

    // The next dialog opens with the chosen colour and the custom colours the last one left.
    EXPECT_TRUE(dialogs.ShowColor(owner));
    EXPECT_EQ(backend.colorRequests[2].record.color, 0x00FF8000u);
    EXPECT_EQ(backend.colorRequests[2].customColors[3], 0x00112233u);
    EXPECT_EQ(backend.colorRequests[2].record.customColors,
              backend.colorRequests[0].record.customColors);
}

struct Utf16Case {
    const char* name;
    std::string utf8;
    std::u16string utf16;
};

void PrintTo(const Utf16Case& c, std::ostream* os) { *os << c.name; }

class Utf16Text : public ::testing::TestWithParam<Utf16Case> {};

INSTANTIATE_TEST_SUITE_P(CommonDlgsW, Utf16Text,
                         ::testing::Values(Utf16Case{"Ascii", "abc", u"abc"},
                                           Utf16Case{"TwoAndThreeBytes", "jö Фото 日本",
                                                     u"jö Фото 日本"},
                                           Utf16Case{"SurrogatePair", "😀", u"\xD83D\xDE00"},
                                           Utf16Case{"NulsPassThrough", "a\0b\0"s, u"a\0b\0"s}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(Utf16Text, ConvertsBothWays) {
    EXPECT_EQ(utf16Of(GetParam().utf8), GetParam().utf16);
    EXPECT_EQ(utf8Of(GetParam().utf16), GetParam().utf8);
}

TEST(Utf16TextIllFormed, BecomesTheReplacementCharacter) {
    EXPECT_EQ(utf16Of("a\xFF"
                      "b"),
              u"a\xFFFD"
              "b");
    EXPECT_EQ(utf16Of("\xC3"), u"\xFFFD");                      // cut sequence
    EXPECT_EQ(utf16Of("\xC0\xAF"), u"\xFFFD\xFFFD");            // overlong form
    EXPECT_EQ(utf16Of("\xED\xA0\x80"), u"\xFFFD\xFFFD\xFFFD");  // encoded surrogate
    EXPECT_EQ(utf8Of(u"a\xD800"
                     "b"),
              "a\xEF\xBF\xBD"
              "b");                                // lone high surrogate
    EXPECT_EQ(utf8Of(u"\xDC00"), "\xEF\xBF\xBD");  // lone low surrogate
}

}  // namespace
}  // namespace quorvel
