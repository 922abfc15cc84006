#include "conversion_batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "batch_fakes.h"

namespace quorvel {
namespace {

using fakes::FakeFileSystem;
using fakes::FakeWindow;
using fakes::FixedClock;
using fakes::kFixedName;
using fakes::Log;
using fakes::RecordingRunner;

// The tests write paths with "/"; native() gives them this platform's separator.
using fakes::native;

const std::string kConverter = "/opt/quorvel/data/convert.exe";
const std::string kOpenOut = "open " + native("/out");

std::string line(const std::string& input, const std::string& output,
                 const std::string& middle = " ") {
    return native(kConverter + " -quality 85% \"" + input + "\"" + middle + "\"" + output + "\"");
}

class ConversionBatchTest : public testing::Test {
protected:
    void SetUp() override { batch.OutputFolder(native("/out")); }

    // The log entries that start with one of the prefixes, in order.
    Log logOf(std::initializer_list<const char*> prefixes) const {
        Log picked;
        for (const auto& e : log)
            if (std::any_of(prefixes.begin(), prefixes.end(),
                            [&](const char* p) { return e.rfind(p, 0) == 0; }))
                picked.push_back(e);
        return picked;
    }

    Log log;
    FakeFileSystem fileSystem;
    FakeWindow window{log};
    RecordingRunner runner{log, fileSystem};
    FixedClock clock;
    ConversionBatch batch{
        window, runner, native("/opt/quorvel"), fileSystem, platform::identityCodePage(), clock};
};

TEST_F(ConversionBatchTest, DropVariantRunsTheEntriesInOrderAndEndsIdle) {
    window.list = native(Log{"/p/a.NEF", "/p/b c.heic", "/p/d.NEF"});
    window.caption = "";
    batch.RunBatch(BatchVariant::Drop);

    EXPECT_EQ(runner.commands,
              (Log{line("/p/a.NEF", "/out/a.JPG"), line("/p/b c.heic", "/out/b c.JPG"),
                   line("/p/d.NEF", "/out/d.JPG")}));
    EXPECT_EQ(runner.watchedNames, Log(3, "convert.exe"));
    EXPECT_EQ(log, (Log{"disarm", "show prompt", "prompt Converting...1/3", "yield", "run 1",
                        "show prompt", "prompt Converting...2/3", "yield", "run 2", "show prompt",
                        "prompt Converting...3/3", "yield", "run 3", kOpenOut, "remove 3",
                        "prompt Please drag and drop Photos Here"}));
    EXPECT_TRUE(window.list.empty());
    EXPECT_EQ(batch.ConvertCommand(), runner.commands.back());
    EXPECT_TRUE(window.summaries.empty());
}

TEST_F(ConversionBatchTest, ClickVariantPreparesShowsThePromptOnceAndKeepsTheBaseName) {
    window.list = native(Log{"/p/a:b.NEF"});
    window.resizeCaption = "YES";
    window.widthText = "800";
    batch.RunBatch(BatchVariant::Click);

    EXPECT_EQ(fileSystem.madeFolders, Log{native("/out")});
    EXPECT_EQ(runner.commands, Log{line("/p/a:b.NEF", "/out/a:b.JPG", " -resize 800 ")});
    EXPECT_EQ(log,
              (Log{"normal picture", "yield", "show prompt", "prompt Converting...1/1", "yield",
                   "run 1", kOpenOut, "remove 1", "prompt Please drag and drop Photos Here"}));
}

TEST_F(ConversionBatchTest, OutputBaseNamesDifferByVariant) {
    const struct {
        const char* entry;
        BatchVariant variant;
        std::string output;
    } cases[] = {
        {"/p/a?b.NEF", BatchVariant::Click, "/out/a?b.JPG"},
        {"/p/a?b.NEF", BatchVariant::Drop, "/out/a b.JPG"},
        // A name without an extension gets the fallback name in both variants.
        {"/p/README", BatchVariant::Click, "/out/" + std::string(kFixedName) + ".JPG"},
        {"/p/README", BatchVariant::Drop, "/out/" + std::string(kFixedName) + ".JPG"},
        {"/p/.NEF", BatchVariant::Click, "/out/" + std::string(kFixedName) + ".JPG"},
    };
    for (const auto& c : cases) {
        runner.commands.clear();
        window.list = native(Log{c.entry});
        batch.RunBatch(c.variant);
        ASSERT_EQ(runner.commands.size(), 1u);
        EXPECT_EQ(runner.commands[0], line(c.entry, c.output)) << c.entry;
    }
}

TEST_F(ConversionBatchTest, PrepareBatchComputesTheResizeArgumentFromTheSwitch) {
    const struct {
        const char* switchCaption;
        const char* width;
        const char* argument;
    } cases[] = {{"YES", "1600", " -resize 1600"},
                 {"NO", "1600", ""},
                 {"yes", "1600", ""},
                 {"YES", "", " -resize "},
                 {"YES", "12 x", " -resize 12 x"}};
    for (const auto& c : cases) {
        window.resizeCaption = c.switchCaption;
        window.widthText = c.width;
        batch.PrepareBatch();
        EXPECT_EQ(batch.ResizeArgument(), c.argument) << c.switchCaption << c.width;
    }
}

TEST_F(ConversionBatchTest, EmptyDropListStillOpensTheFolderAndLeavesThePromptHidden) {
    batch.RunBatch(BatchVariant::Drop);
    EXPECT_TRUE(runner.commands.empty());
    EXPECT_EQ(log,
              (Log{"disarm", kOpenOut, "remove 0", "prompt Please drag and drop Photos Here"}));
}

TEST_F(ConversionBatchTest, OptionsChangedDuringARunApplyFromTheNextEntry) {
    window.list = native(Log{"/p/a.NEF", "/p/b.NEF"});
    runner.during = [&](int run) {
        if (run != 1) return;
        window.qualityText = "60";
        window.formatCaption = "png";
        batch.OutputFolder(native("/other"));
    };
    batch.RunBatch(BatchVariant::Drop);
    ASSERT_EQ(runner.commands.size(), 2u);
    EXPECT_EQ(runner.commands[0], line("/p/a.NEF", "/out/a.JPG"));
    EXPECT_EQ(runner.commands[1],
              native(kConverter + R"( -quality 60% "/p/b.NEF" "/other/b.png")"));
    EXPECT_EQ(logOf({"open"}), Log{"open " + native("/other")});
}

TEST_F(ConversionBatchTest, ADropDuringTheBatchIsQueuedAndItsTickDeferred) {
    window.list = native(Log{"/p/a.NEF", "/p/b.NEF", "/p/c.NEF"});
    runner.during = [&](int run) {
        if (run != 1) return;
        // A drop while the first entry converts: it lists two files, prepares the batch with
        // resizing on, and the armed timer ticks while the batch still runs.
        window.list.push_back(native("/p/d.NEF"));
        window.list.push_back(native("/p/e.NEF"));
        window.resizeCaption = "YES";
        batch.PrepareBatch();
        batch.RunBatch(BatchVariant::Drop);
        log.push_back("tick returned");
    };
    batch.RunBatch(BatchVariant::Drop);

    EXPECT_EQ(runner.maxDepth, 1) << "a batch ran inside another";
    EXPECT_EQ(runner.commands, (Log{line("/p/a.NEF", "/out/a.JPG"),
                                    line("/p/b.NEF", "/out/b.JPG", " -resize 1600 "),
                                    line("/p/c.NEF", "/out/c.JPG", " -resize 1600 "),
                                    line("/p/d.NEF", "/out/d.JPG", " -resize 1600 "),
                                    line("/p/e.NEF", "/out/e.JPG", " -resize 1600 ")}));
    EXPECT_EQ(
        logOf({"prompt Conv", "remove", "open", "tick", "disarm"}),
        (Log{"disarm", "prompt Converting...1/3", "disarm", "tick returned",
             "prompt Converting...2/5", "prompt Converting...3/5", kOpenOut, "remove 3", "disarm",
             "prompt Converting...1/2", "prompt Converting...2/2", kOpenOut, "remove 2"}));
    EXPECT_TRUE(window.list.empty());
}

TEST_F(ConversionBatchTest, ADeferredClickAndADeferredDropEachKeepTheirNaming) {
    window.list = native(Log{"/p/a.NEF"});
    runner.during = [&](int run) {
        if (run != 1) return;
        window.list.push_back(native("/p/d?1.NEF"));  // dropped: its tick comes now
        batch.RunBatch(BatchVariant::Drop);
        window.list.push_back(native("/p/c?2.NEF"));  // then one picked
        batch.RunBatch(BatchVariant::Click);
    };
    batch.RunBatch(BatchVariant::Drop);
    EXPECT_EQ(runner.commands, (Log{line("/p/a.NEF", "/out/a.JPG"),
                                    line("/p/d?1.NEF", "/out/d 1.JPG"),
                                    line("/p/c?2.NEF", "/out/c?2.JPG")}));
    EXPECT_TRUE(window.list.empty());
}

TEST_F(ConversionBatchTest, ADropWhoseTickComesAfterTheBatchKeepsItsEntries) {
    window.list = native(Log{"/p/a.NEF"});
    runner.during = [&](int) { window.list.push_back(native("/p/late.NEF")); };
    batch.RunBatch(BatchVariant::Drop);
    EXPECT_EQ(window.list, Log{native("/p/late.NEF")});
    EXPECT_EQ(runner.commands.size(), 1u);
}

TEST_F(ConversionBatchTest, OutputNamesNeverCollideInsideOneBatch) {
    // Case aside, X and x name one file where the file system ignores case.
    window.list = native(Log{"/a/x.NEF", "/b/x.NEF", "/c/X.heic", "/d/x (2).NEF"});
    batch.RunBatch(BatchVariant::Drop);
    EXPECT_EQ(
        runner.commands,
        (Log{line("/a/x.NEF", "/out/x.JPG"), line("/b/x.NEF", "/out/x (2).JPG"),
             line("/c/X.heic", "/out/X (3).JPG"), line("/d/x (2).NEF", "/out/x (2) (2).JPG")}));
    // A new batch overwrites what earlier batches left, as before.
    runner.commands.clear();
    window.list = native(Log{"/e/x.NEF"});
    batch.RunBatch(BatchVariant::Drop);
    EXPECT_EQ(runner.commands, Log{line("/e/x.NEF", "/out/x.JPG")});
}

TEST_F(ConversionBatchTest, FailedEntriesAreSummarisedAfterTheEndSteps) {
    window.list = native(Log{"/p/ok.NEF", "/p/bad.NEF", "/p/silent.NEF"});
    runner.outcome = [&](int run) -> ConverterRun {
        if (run == 1) {
            fileSystem.files.insert(native("/out/ok.JPG"));
            return {true, 0, ""};
        }
        if (run == 2) return {true, 1, "\nconvert.exe: unable to open image\nsecond line\n"};
        return {true, 0, "nothing to say"};  // exit 0, yet no file
    };
    batch.RunBatch(BatchVariant::Drop);
    EXPECT_EQ(logOf({"open", "remove", "prompt Please", "summary"}),
              (Log{kOpenOut, "remove 3", "prompt Please drag and drop Photos Here", "summary"}));
    ASSERT_EQ(window.summaries.size(), 1u);
    EXPECT_EQ(window.summaries[0],
              native("2 photos were not converted. The details name each one and why.\n"
                     "/p/bad.NEF: the conversion failed: convert.exe: unable to open image"
                     "\n/p/silent.NEF: the converter wrote no output file: nothing to say"));
}

TEST_F(ConversionBatchTest, TheSummaryListsEveryFailureInItsDetails) {
    for (int i = 0; i < 23; ++i) window.list.push_back(native("/p/" + std::to_string(i) + ".NEF"));
    runner.outcome = [](int) { return ConverterRun{true, 2, ""}; };
    batch.RunBatch(BatchVariant::Drop);
    ASSERT_EQ(window.summaries.size(), 1u);
    const std::string& text = window.summaries[0];
    EXPECT_EQ(text.rfind("23 photos were not converted. The details name each one and why.\n", 0),
              0u);
    EXPECT_TRUE(text.ends_with(native("/p/22.NEF: the converter did not accept its command")))
        << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 22);
}

TEST_F(ConversionBatchTest, NoEntryStartsAfterTheConverterCouldNotBeStarted) {
    window.list = native(Log{"/p/a.NEF", "/p/b.NEF", "/p/c.NEF"});
    runner.outcome = [](int) { return ConverterRun{false, {}, ""}; };
    batch.RunBatch(BatchVariant::Drop);
    EXPECT_EQ(runner.commands.size(), 1u);
    EXPECT_EQ(logOf({"open", "remove", "prompt Please"}),
              (Log{kOpenOut, "remove 3", "prompt Please drag and drop Photos Here"}));
    ASSERT_EQ(window.summaries.size(), 1u);
    EXPECT_EQ(window.summaries[0],
              native("3 photos were not converted. The details name each one and why.\n"
                     "/p/a.NEF: the converter could not be started"
                     "\n/p/b.NEF: not converted, the converter could not be started"
                     "\n/p/c.NEF: not converted, the converter could not be started"));
}

TEST_F(ConversionBatchTest, ClosingDuringARunLetsItFinishAndStartsNothingMore) {
    window.list = native(Log{"/p/a.NEF", "/p/b.NEF", "/p/c.NEF"});
    runner.outcome = [](int) { return ConverterRun{true, 1, "failed"}; };
    runner.during = [&](int run) {
        if (run != 2) return;
        window.list.push_back(native("/p/d.NEF"));
        batch.RunBatch(BatchVariant::Drop);  // a tick before the close: deferred
        batch.requestStop();
    };
    batch.RunBatch(BatchVariant::Drop);
    EXPECT_EQ(runner.commands.size(), 2u);
    EXPECT_TRUE(logOf({"open", "summary"}).empty()) << "nothing shows up after the close";
    EXPECT_FALSE(batch.running());
    // A tick that arrives after the close runs nothing.
    batch.RunBatch(BatchVariant::Drop);
    EXPECT_EQ(runner.commands.size(), 2u);
}

TEST_F(ConversionBatchTest, ClosingDuringTheYieldStartsNoRun) {
    window.list = native(Log{"/p/a.NEF"});
    window.onYield = [&] { batch.requestStop(); };
    batch.RunBatch(BatchVariant::Drop);
    EXPECT_TRUE(runner.commands.empty());
}

TEST_F(ConversionBatchTest, AnInterruptedRunIsReportedAndTheBatchEndsIdle) {
    window.list = native(Log{"/p/a.NEF", "/p/b.NEF"});
    runner.outcome = [](int run) -> ConverterRun {
        if (run == 1) throw std::runtime_error("[clsWaitableTimer.Wait] no timer");
        return {true, 0, ""};
    };
    batch.RunBatch(BatchVariant::Drop);
    EXPECT_EQ(runner.commands.size(), 2u);
    EXPECT_EQ(window.caption, kIdlePrompt);
    ASSERT_EQ(window.summaries.size(), 1u);
    EXPECT_NE(window.summaries[0].find(native("/p/a.NEF: the wait for the converter was "
                                              "interrupted: [clsWaitableTimer.Wait] no timer")),
              std::string::npos);
    EXPECT_FALSE(batch.running());
}

}  // namespace
}  // namespace quorvel
