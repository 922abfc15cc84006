#pragma once
// The conversion batch: turns the entries of lstFile into converter runs, strictly one after
// another, shows the progress in Label1, and at the end opens the output folder and returns
// the window to its idle prompt.
//
// Re-entry: the window's events run inside every yield and every converter run. A drop there
// appends entries and may call PrepareBatch; the running batch converts only the N entries it
// found when its loop began and removes only those. A RunBatch call that arrives while a batch
// runs (timerRun's tick after such a drop) disarms timerRun and is deferred: it runs once the
// running batch has ended, over the entries that are left; batches never nest. requestStop()
// (the window is closing) lets the running conversion finish, starts no further entry and no
// deferred batch, and skips the folder opening and the failure summary.
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "batch_window.h"
#include "convert_command.h"
#include "converter_runner.h"
#include "failure_summary.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/program_folder.h"
#include "platform/user_folders.h"

namespace quorvel {

enum class BatchVariant {
    Click,  // Form_Click: the picked photo; output base name GetBaseName (fallback when empty)
    Drop,   // timerRun_Timer: the dropped paths; output base name CleanOutputName
};

inline constexpr const char* kIdlePrompt = "Please drag and drop Photos Here";

using platform::defaultOutputFolder;

class ConversionBatch {
public:
    // Every platform object is handed in; the program's composition root picks the real ones.
    ConversionBatch(BatchWindow& window, ConverterRunner& runner, std::string programFolder,
                    platform::FileSystem& fileSystem, const platform::CodePage& codePage,
                    const platform::LocalClock& clock);

    // The window strings.
    const std::string& OutputFolder() const { return m_outputFolder; }
    void OutputFolder(std::string folder) { m_outputFolder = std::move(folder); }
    const std::string& ResizeArgument() const { return m_resizeArgument; }
    const std::string& ConvertCommand() const { return m_convertCommand; }

    // Creates OutputFolder (its last level only; failures ignored) and sets ResizeArgument to
    // " -resize " + the width text when the resize switch reads exactly "YES", else "".
    void PrepareBatch();

    // Runs the batch; returns when its entries (and any batch deferred meanwhile) are done.
    void RunBatch(BatchVariant variant);

    // The window is closing; see above. Lasting: later RunBatch calls run nothing.
    void requestStop() { m_stopRequested = true; }
    bool stopRequested() const { return m_stopRequested; }
    bool running() const { return m_running; }

private:
    enum class EntryResult { Ran, StartFailed, Stopped };

    // Runs the first `entries` entries of the list, or all it holds then.
    void runOnce(BatchVariant variant, std::optional<int> entries);
    void defer(BatchVariant variant);
    void runEntries(int count, BatchVariant variant);
    EntryResult convertEntry(int index, BatchVariant variant);
    ConvertCommandParts commandParts(const std::string& entry, BatchVariant variant);
    std::string baseNameFor(const std::string& entry, BatchVariant variant) const;
    void claimUniqueOutput(ConvertCommandParts& parts);
    ConverterRun runConverter();
    void recordOutcome(const std::string& entry, const std::string& output,
                       const ConverterRun& run);
    void finish(int count);

    BatchWindow& m_window;
    ConverterRunner& m_runner;
    std::string m_programFolder;
    platform::FileSystem& m_fileSystem;
    const platform::CodePage& m_codePage;
    const platform::LocalClock& m_clock;

    std::string m_outputFolder = defaultOutputFolder();
    std::string m_resizeArgument;
    std::string m_convertCommand;

    bool m_running = false;
    bool m_stopRequested = false;
    // A variant that came while a batch ran, with the end of its entries in the list.
    struct Deferred {
        BatchVariant variant;
        int entriesEnd;
    };
    std::vector<Deferred> m_deferred;
    std::set<std::string> m_outputsThisBatch;  // ASCII-lowercased output paths
    std::vector<EntryFailure> m_failures;
};

}  // namespace quorvel
