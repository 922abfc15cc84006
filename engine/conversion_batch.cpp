#include "conversion_batch.h"

#include <algorithm>
#include <exception>

#include "contract/converter_contract.h"
#include "dos_outputs.h"
#include "names.h"
#include "path_checks.h"
#include "platform/ascii_case.h"

namespace quorvel {
namespace {

// Clears a flag however the scope is left, so a failed run never leaves the batch marked busy.
class ResetOnExit {
public:
    explicit ResetOnExit(bool& flag) : m_flag(flag) { m_flag = true; }
    ~ResetOnExit() { m_flag = false; }
    ResetOnExit(const ResetOnExit&) = delete;
    ResetOnExit& operator=(const ResetOnExit&) = delete;

private:
    bool& m_flag;
};

std::string progressCaption(int index, int liveCount) {
    return "Converting..." + std::to_string(index + 1) + "/" + std::to_string(liveCount);
}

}  // namespace

ConversionBatch::ConversionBatch(BatchWindow& window, ConverterRunner& runner,
                                 std::string programFolder, platform::FileSystem& fileSystem,
                                 const platform::CodePage& codePage,
                                 const platform::LocalClock& clock)
    : m_window(window),
      m_runner(runner),
      m_programFolder(std::move(programFolder)),
      m_fileSystem(fileSystem),
      m_codePage(codePage),
      m_clock(clock) {}

void ConversionBatch::PrepareBatch() {
    m_fileSystem.makeFolder(m_outputFolder);
    m_resizeArgument.clear();
    if (m_window.resizeSwitch() == "YES") m_resizeArgument = " -resize " + m_window.resizeWidth();
}

void ConversionBatch::RunBatch(BatchVariant variant) {
    if (m_running || m_stopRequested) return defer(variant);
    ResetOnExit busy(m_running);
    runOnce(variant, std::nullopt);
    while (!m_deferred.empty() && !m_stopRequested) {
        const Deferred next = m_deferred.front();
        m_deferred.erase(m_deferred.begin());
        // The last one takes every entry left, as the tick it stands in for would have.
        runOnce(next.variant,
                m_deferred.empty() ? std::nullopt : std::optional<int>(next.entriesEnd));
    }
    m_deferred.clear();
}

void ConversionBatch::defer(BatchVariant variant) {
    // The tick fires once per arming; the deferred run stands in for it.
    if (variant == BatchVariant::Drop) m_window.disarmRunTimer();
    if (m_stopRequested) return;
    // Each waiting variant keeps its own entries: the dropped ones get CleanOutputName, the
    // picked one GetBaseName, whatever order they came in.
    const int end = m_window.entryCount();
    if (!m_deferred.empty() && m_deferred.back().variant == variant)
        m_deferred.back().entriesEnd = end;
    else
        m_deferred.push_back({variant, end});
}

void ConversionBatch::runOnce(BatchVariant variant, std::optional<int> entries) {
    m_outputsThisBatch.clear();
    m_failures.clear();
    if (variant == BatchVariant::Click) {
        m_window.showNormalPicture();
        m_window.yieldOnce();
        PrepareBatch();
        m_window.showPrompt();
    } else {
        m_window.disarmRunTimer();
    }
    const int count = std::min(entries.value_or(m_window.entryCount()), m_window.entryCount());
    runEntries(count, variant);
    finish(count);
}

void ConversionBatch::runEntries(int count, BatchVariant variant) {
    int next = 0;
    EntryResult result = EntryResult::Ran;
    while (next < count && result == EntryResult::Ran && !m_stopRequested)
        result = convertEntry(next++, variant);
    // After a start failure no further entry starts; they are named as not converted.
    for (; result == EntryResult::StartFailed && next < count; ++next)
        m_failures.push_back({m_window.entry(next), FailureKind::NotReached, {}, {}});
}

ConversionBatch::EntryResult ConversionBatch::convertEntry(int index, BatchVariant variant) {
    const std::string entry = m_window.entry(index);
    ConvertCommandParts parts = commandParts(entry, variant);
    m_convertCommand = composeConvertCommand(parts);
    if (variant == BatchVariant::Drop) m_window.showPrompt();
    m_window.setPrompt(progressCaption(index, m_window.entryCount()));
    WatchedProcessName = kConverterFileName;
    m_window.yieldOnce();
    if (m_stopRequested) return EntryResult::Stopped;
    const ConverterRun run = runConverter();
    recordOutcome(entry, outputPath(parts), run);
    return run.started ? EntryResult::Ran : EntryResult::StartFailed;
}

ConvertCommandParts ConversionBatch::commandParts(const std::string& entry, BatchVariant variant) {
    ConvertCommandParts parts;
    parts.programFolder = m_programFolder;
    parts.quality = m_window.quality();
    parts.input = entry;
    parts.resizeArgument = m_resizeArgument;
    parts.outputFolder = m_outputFolder;
    parts.baseName = baseNameFor(entry, variant);
    parts.format = m_window.format();
    claimUniqueOutput(parts);
    return parts;
}

std::string ConversionBatch::baseNameFor(const std::string& entry, BatchVariant variant) const {
    if (variant == BatchVariant::Drop) return CleanOutputName(entry, m_codePage, m_clock);
    // A picked name without an extension has no base name; it gets the fallback name rather
    // than an output file called ".JPG".
    std::string name = GetBaseName(entry);
    return name.empty() ? fallbackName(m_clock) : name;
}

void ConversionBatch::claimUniqueOutput(ConvertCommandParts& parts) {
    const std::string baseName = parts.baseName;
    // Compared without ASCII case: on Windows "A.JPG" and "a.JPG" are one file.
    const auto key = [&] { return platform::asciiLowercase(outputPath(parts)); };
    for (int copy = 2; m_outputsThisBatch.contains(key()); ++copy)
        parts.baseName = numberedName(baseName, copy);
    m_outputsThisBatch.insert(key());
}

ConverterRun ConversionBatch::runConverter() {
    try {
        return m_runner.run(m_convertCommand);
    } catch (const std::exception& error) {
        // The run was left in its middle (its wait failed); the entry counts as failed and
        // the batch still ends in idle.
        ConverterRun interrupted;
        interrupted.started = true;
        interrupted.interrupted = true;
        interrupted.output = error.what();
        return interrupted;
    }
}

void ConversionBatch::recordOutcome(const std::string& entry, const std::string& output,
                                    const ConverterRun& run) {
    if (!run.started)
        m_failures.push_back({entry, FailureKind::NotStarted, {}, run.output});
    else if (run.interrupted)
        m_failures.push_back({entry, FailureKind::Interrupted, {}, run.output});
    else if (run.exitStatus.value_or(0) != 0)
        m_failures.push_back({entry, FailureKind::ExitStatus, run.exitStatus, run.output});
    else if (!FileExists(output, m_fileSystem, m_codePage))
        m_failures.push_back({entry, FailureKind::NoOutput, {}, run.output});
}

void ConversionBatch::finish(int count) {
    // A closing window wants no file manager and no message box.
    if (!m_stopRequested) m_window.openFolder(m_outputFolder);
    m_window.removeFirstEntries(count);
    for (Deferred& waiting : m_deferred) waiting.entriesEnd = std::max(0, waiting.entriesEnd - count);
    m_window.setPrompt(kIdlePrompt);
    if (!m_stopRequested && !m_failures.empty())
        m_window.showFailureSummary(composeFailureSummary(m_failures));
}

}  // namespace quorvel
