// The batch over the real runner: the stand-in converter, copied as data/convert.exe into a
// temporary program folder whose name holds a space, converts three entries.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch_fakes.h"
#include "conversion_batch.h"
#include "dos_outputs.h"
#include "dos_outputs_runner.h"
#include "plain_event_pump.h"
#include "real_runner.h"
#include "test_process.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using fakes::FakeWindow;
using fakes::Log;

class RecordedMessages : public platform::UserMessages {
public:
    void showCritical(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

std::vector<std::string> linesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class BatchIntegrationTest : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_program / "data");
        fs::create_directories(m_dir / "in");
        for (const auto& input : inputs) std::ofstream(input) << "raw";
        test::setEnvironment("QUORVEL_FAKE_LOG", (m_dir / "runs.log").string());
        window.list = inputs;
        batch.OutputFolder((m_dir / "out").string());
    }
    void TearDown() override {
        test::unsetEnvironment("QUORVEL_FAKE_LOG");
        test::unsetEnvironment("QUORVEL_FAKE_FAIL");
        fs::remove_all(m_dir);
    }
    void installConverter() {
        fs::copy_file(CHILD_HELPER_PATH, m_program / "data" / "convert.exe");
    }
    fs::path output(const std::string& name) const { return m_dir / "out" / name; }

    fs::path m_dir =
        fs::temp_directory_path() / ("quorvel-batch-" + std::to_string(test::currentProcessId()));
    fs::path m_program = m_dir / "my programs";
    // A double quote tries the command line's escaping and a reserved character's cleaning;
    // a Windows file name cannot hold one, so there a single quote stands in.
    const bool quoteAllowed = fakes::native("/") == "/";
    const std::string odd = quoteAllowed ? "b \"q\"" : "b 'q'";
    const std::string oddOutput = quoteAllowed ? "b  q .JPG" : "b 'q'.JPG";
    std::vector<std::string> inputs = {(m_dir / "in" / "a.NEF").string(),
                                       (m_dir / "in" / (odd + ".NEF")).string(),
                                       (m_dir / "in" / "c.heic").string()};
    platform::PlainEventPump pump;
    RecordedMessages messages;
    DOSOutputs runDos{test::realRunnerPlatform(pump, messages)};
    DOSOutputsRunner runner{runDos};
    Log log;
    FakeWindow window{log};
    ConversionBatch batch{window,
                          runner,
                          m_program.string(),
                          platform::systemFileSystem(),
                          platform::systemCodePage(),
                          platform::systemClock()};
};

TEST_F(BatchIntegrationTest, ConvertsThreeDroppedEntriesInOrder) {
    installConverter();
    batch.PrepareBatch();
    batch.RunBatch(BatchVariant::Drop);

    const std::string out = (m_dir / "out").string();
    const std::string converter = (m_program / "data" / "convert.exe").string();
    const auto run = [&](int input, const std::string& name) {
        return converter +
               "\x1f-quality\x1f"
               "85%\x1f" +
               inputs[input] + "\x1f" + (m_dir / "out" / name).string();
    };
    EXPECT_EQ(linesOf(m_dir / "runs.log"),
              (Log{run(0, "a.JPG"), run(1, oddOutput), run(2, "c.JPG")}));
    EXPECT_EQ(linesOf(output(oddOutput)), Log{"converted from " + inputs[1]});
    EXPECT_TRUE(fs::exists(output("a.JPG")) && fs::exists(output("c.JPG")));
    EXPECT_TRUE(window.list.empty());
    EXPECT_TRUE(window.summaries.empty());
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(BatchIntegrationTest, AFailingConversionIsNamedWithTheFirstLineOfItsMessage) {
    installConverter();
    test::setEnvironment("QUORVEL_FAKE_FAIL", odd);
    batch.PrepareBatch();
    batch.RunBatch(BatchVariant::Drop);
    ASSERT_EQ(window.summaries.size(), 1u);
    EXPECT_EQ(window.summaries[0],
              "1 photo was not converted. The details name each one and why.\n" + inputs[1] +
                  ": the conversion failed: convert.exe: unable to open image '" + inputs[1] +
                  "'");
    EXPECT_TRUE(fs::exists(output("a.JPG")) && fs::exists(output("c.JPG")));
}

TEST_F(BatchIntegrationTest, AMissingConverterIsReportedOnceAndNothingElseStarts) {
    batch.RunBatch(BatchVariant::Drop);
    EXPECT_EQ(messages.texts, Log{"File or command not found"});
    ASSERT_EQ(window.summaries.size(), 1u);
    EXPECT_NE(window.summaries[0].find("3 photos were not converted"), std::string::npos);
    EXPECT_TRUE(window.list.empty());
}

}  // namespace
}  // namespace quorvel
