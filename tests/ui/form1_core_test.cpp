// Form1's decisions without a toolkit, over a fake view: start-up values and window size, the
// option clicks, the drop area's cues and refusals, the deferred click, the drop, and closing.
#include "form1_core.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "conversion_batch.h"
#include "option_handlers.h"
#include "photo_intake.h"
#include "plain_event_pump.h"
#include "platform/child_process.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/process_table.h"
#include "scripted_dialogs.h"
#include "support/fake_form1_view.h"
#include "support/window_fakes.h"
#include "unicode_dialogs.h"
#include "utf8_paths.h"

namespace quorvel {
namespace {

// Keeps what it is handed to restore and everything saved.
class KeptSettings : public OptionSettings {
public:
    void restoreOptions(OptionValues& values) override {
        if (toRestore) values = *toRestore;
    }
    void saveOptions(const OptionValues& values) override { saved.push_back(values); }
    std::optional<OptionValues> toRestore;
    std::vector<OptionValues> saved;
};

class Form1CoreTest : public testing::Test {
protected:
    Form1Services services() {
        Form1Services s;
        s.pump = &pump;
        s.messages = &messages;
        s.opener = &opener;
        s.dialogs = &dialogs;
        s.folders = &folders;
        s.fileSystem = &platform::systemFileSystem();
        s.codePage = &platform::systemCodePage();
        s.clock = &platform::systemClock();
        s.children = &platform::systemChildProcesses();
        s.processes = &platform::systemProcessTable();
        s.settings = &settings;
        s.programFolder = "/nonexistent/program";
        s.stagingFolder = "/nonexistent/staging";
        return s;
    }
    Form1Core& start(ScreenDensity density = {}) {
        core = std::make_unique<Form1Core>(services(), view, density, [this] { ++unloads; });
        core->Form_Load();
        return *core;
    }
    const std::string& text(ControlId id) const { return view.controls[id].text; }

    platform::PlainEventPump pump;
    test::RecordingMessages messages;
    test::RecordingOpener opener;
    test::ScriptedDialogBackend dialogs;
    test::ScriptedFolders folders;
    KeptSettings settings;
    test::FakeForm1View view;
    std::unique_ptr<Form1Core> core;
    int unloads = 0;
};

TEST_F(Form1CoreTest, StartUpValues) {
    Form1Core& form = start();
    EXPECT_EQ(form.batch().OutputFolder(), defaultOutputFolder());
    EXPECT_TRUE(form.batch().ResizeArgument().empty());
    EXPECT_TRUE(form.pictures().showsNormal());
    EXPECT_FALSE(view.controls[ids::txtResize].enabled);
    EXPECT_FALSE(view.timerActive);
    EXPECT_TRUE(view.entries.empty());
    // Placed at the design geometry, then again after the DPI pass.
    EXPECT_EQ(view.placements, 2);
}

TEST_F(Form1CoreTest, WindowSizeAtTwoDensities) {
    for (const double twipsPerPixel : {15.0, 12.0}) {
        SCOPED_TRACE(twipsPerPixel);
        view = {};
        Form1Core& form = start({twipsPerPixel, twipsPerPixel});
        EXPECT_EQ(view.clientSize, (std::array<int, 2>{475, 244}));
        EXPECT_DOUBLE_EQ(form.outerSize().width, 7140 * twipsPerPixel / 15);
        EXPECT_DOUBLE_EQ(form.outerSize().height, 4090 * twipsPerPixel / 15);
        EXPECT_DOUBLE_EQ(form.layout().geometry("Label7").Left, 180 * twipsPerPixel / 15);
    }
}

struct RestoreCase {
    const char* name;
    const char* resizeSwitch;
    bool widthEnabled;
};

class RestoredResizeSwitch : public Form1CoreTest,
                             public testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoredResizeSwitch, EnablesTheWidthOnlyForYes) {
    settings.toRestore = OptionValues{"PNG", "90", GetParam().resizeSwitch, "1024"};
    start();
    EXPECT_EQ(text(ids::lblFormat), "PNG");
    EXPECT_EQ(text(ids::Text1), "90");
    EXPECT_EQ(text(ids::Label5), GetParam().resizeSwitch);
    EXPECT_EQ(text(ids::txtResize), "1024");
    EXPECT_EQ(view.controls[ids::txtResize].enabled, GetParam().widthEnabled);
}

INSTANTIATE_TEST_SUITE_P(Form1Core, RestoredResizeSwitch,
                         testing::Values(RestoreCase{"YES", "YES", true},
                                         RestoreCase{"yesStaysAsWritten", "yes", false},
                                         RestoreCase{"NO", "NO", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1CoreTest, FormatCycleAndUnknownFormats) {
    Form1Core& form = start();
    std::vector<std::string> shown;
    for (int i = 0; i < 5; ++i) {
        form.options().lblFormat_Click();
        shown.push_back(text(ids::lblFormat));
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"PNG", "GIF", "TIF", "BMP", "JPG"}));
    for (const char* unknown : {"png", "JPEG", ""}) {
        view.setText(ids::lblFormat, unknown);
        form.options().lblFormat_Click();
        EXPECT_EQ(text(ids::lblFormat), unknown);
    }
}

struct SwitchCase {
    const char* name;
    const char* before;
    const char* after;
    bool widthEnabled;
};

class ResizeSwitch : public Form1CoreTest, public testing::WithParamInterface<SwitchCase> {};

TEST_P(ResizeSwitch, TogglesAndEnablesTheWidth) {
    Form1Core& form = start();
    view.setText(ids::Label5, GetParam().before);
    view.setEnabled(ids::txtResize, !GetParam().widthEnabled);
    form.options().Label5_Click();
    EXPECT_EQ(text(ids::Label5), GetParam().after);
    EXPECT_EQ(view.controls[ids::txtResize].enabled, GetParam().widthEnabled);
    EXPECT_EQ(text(ids::txtResize), "1600");
}

INSTANTIATE_TEST_SUITE_P(Form1Core, ResizeSwitch,
                         testing::Values(SwitchCase{"NO", "NO", "YES", true},
                                         SwitchCase{"YES", "YES", "NO", false},
                                         SwitchCase{"yes", "yes", "NO", false},
                                         SwitchCase{"anythingElse", "maybe", "NO", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1CoreTest, SwitchingResizeOffTakesTheFocusToTheWindow) {
    Form1Core& form = start();
    form.options().Label5_Click();
    view.focus = static_cast<int>(ids::txtResize);
    form.options().Label5_Click();
    EXPECT_EQ(view.focus, test::FakeForm1View::kWindowFocus);
}

TEST_F(Form1CoreTest, ChosenFolderGoesToTheBatchAndBothCaptions) {
    Form1Core& form = start();
    folders.answers = {"/home/j\xc3\xb6/\xd0\xa4\xd0\xbe\xd1\x82\xd0\xbe", std::nullopt};
    form.options().Command1_Click();
    EXPECT_EQ(folders.titles, std::vector<std::string>{"Please select a folder:"});
    EXPECT_EQ(folders.owners.front(), view.handle());
    for (ControlId id : {ids::Command1, ids::lblPath})
        EXPECT_EQ(text(id), "/home/j\xc3\xb6/\xd0\xa4\xd0\xbe\xd1\x82\xd0\xbe");
    EXPECT_EQ(form.batch().OutputFolder(), "/home/j\xc3\xb6/\xd0\xa4\xd0\xbe\xd1\x82\xd0\xbe");
    // A cancel returns to the default folder.
    form.options().lblPath_Click();
    EXPECT_EQ(form.batch().OutputFolder(), defaultOutputFolder());
    EXPECT_EQ(text(ids::Command1), defaultOutputFolder());
    EXPECT_EQ(text(ids::lblPath), defaultOutputFolder());
}

TEST_F(Form1CoreTest, MakerLinkOpensTheProductPage) {
    start().options().Label3_Click();
    EXPECT_EQ(opener.addresses, std::vector<std::string>{"https://example.com/quorvel"});
}

struct HoverCase {
    const char* name;
    float x;
    float y;
    bool highlighted;
};

class HoverRectangle : public Form1CoreTest, public testing::WithParamInterface<HoverCase> {};

TEST_P(HoverRectangle, BordersCountAsOutside) {
    Form1Core& form = start();
    form.intake().Form_MouseMove(GetParam().x, GetParam().y);
    EXPECT_EQ(form.pictures().showsHighlighted(), GetParam().highlighted);
    EXPECT_EQ(form.pictures().showsNormal(), !GetParam().highlighted);
}

INSTANTIATE_TEST_SUITE_P(
    Form1Core, HoverRectangle,
    testing::Values(HoverCase{"inside", 3000, 1000, true},
                    HoverCase{"leftBorder", 1900, 1000, false},
                    HoverCase{"justRightOfTheLeftBorder", 1900.5f, 1000, true},
                    HoverCase{"rightBorder", 5700, 1000, false},
                    HoverCase{"justLeftOfTheRightBorder", 5699.5f, 1000, true},
                    HoverCase{"topBorder", 3000, 10, false},
                    HoverCase{"justBelowTheTopBorder", 3000, 10.5f, true},
                    HoverCase{"bottomBorder", 3000, 2500, false},
                    HoverCase{"justAboveTheBottomBorder", 3000, 2499.5f, true},
                    HoverCase{"optionStrip", 3000, 3000, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1CoreTest, PointerPixelsBecomeTwipsAtTheDensity) {
    Form1Core& form = start({12, 12});
    form.pointerMoved(200, 60);  // 2400 x 720 twips: inside
    EXPECT_TRUE(form.pictures().showsHighlighted());
    form.pointerMoved(150, 60);  // 1800 twips: left of the rectangle
    EXPECT_TRUE(form.pictures().showsNormal());
}

TEST_F(Form1CoreTest, BusyMarkerRefusesClicksAndHover) {
    Form1Core& form = start();
    view.setText(ids::Label1, "Converting...1/3");
    form.intake().Form_MouseMove(3000, 1000);
    EXPECT_TRUE(form.pictures().showsNormal());
    form.intake().Form_Click();
    EXPECT_TRUE(dialogs.requests.empty());
    // Only the first four characters count, in their case.
    view.setText(ids::Label1, "conv");
    form.intake().Form_MouseMove(3000, 1000);
    EXPECT_TRUE(form.pictures().showsHighlighted());
}

TEST_F(Form1CoreTest, AClickOpensTheDialogOnlyOnceTheEventIsHandled) {
    Form1Core& form = start();
    dialogs.cancel();
    form.clicked();
    EXPECT_TRUE(dialogs.requests.empty());
    ASSERT_EQ(view.later.size(), 1u);
    EXPECT_EQ(view.later.front().milliseconds, 0);
    view.runPending();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests.front().owner, view.handle());
    EXPECT_EQ(UnicodeDialogs->Filter, kPhotoFilter);
    EXPECT_TRUE(view.entries.empty());
}

TEST_F(Form1CoreTest, DragOverHidesThePrompt) {
    Form1Core& form = start();
    form.draggedOver();
    EXPECT_FALSE(view.controls[ids::Label1].visible);
    EXPECT_FALSE(view.timerActive);
}

TEST_F(Form1CoreTest, ADropListsItsPathsInOrderAndArmsTheTimer) {
    const std::filesystem::path output =
        std::filesystem::temp_directory_path() / "quorvel-core-drop-output";
    std::filesystem::remove_all(output);
    Form1Core& form = start();
    form.batch().OutputFolder(test::utf8(output));
    form.intake().Form_MouseMove(3000, 1000);
    view.setText(ids::Label5, "YES");
    view.setText(ids::txtResize, "800");
    view.entries = {"/photos/already listed.NEF"};
    form.dropped({"/photos/c.NEF", "/photos/a b.heic"});
    EXPECT_EQ(view.entries, (std::vector<std::string>{"/photos/already listed.NEF",
                                                      "/photos/c.NEF", "/photos/a b.heic"}));
    EXPECT_TRUE(view.timerActive);
    EXPECT_TRUE(form.pictures().showsNormal());
    EXPECT_EQ(form.batch().ResizeArgument(), " -resize 800");
    EXPECT_TRUE(std::filesystem::is_directory(output));
    std::filesystem::remove_all(output);
}

TEST_F(Form1CoreTest, ClosingSavesTheOptionsStopsTheTimerAndEnds) {
    Form1Core& form = start();
    view.startRunTimer();
    EXPECT_TRUE(form.closeRequested());
    ASSERT_EQ(settings.saved.size(), 1u);
    EXPECT_EQ(settings.saved.front(), (OptionValues{"JPG", "85", "NO", "1600"}));
    EXPECT_FALSE(view.timerActive);
    EXPECT_EQ(unloads, 1);
    // With no batch running, nothing is left to end later.
    EXPECT_TRUE(view.later.empty());
    EXPECT_TRUE(form.batch().stopRequested());
}

}  // namespace
}  // namespace quorvel
