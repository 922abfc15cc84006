#pragma once
// Removes the staged output when a run ends abnormally (a termination signal, or a fatal
// ImageMagick error), so an interrupted conversion leaves neither a partial file nor the
// staging folder behind. The existing file at the output path is never touched: the staged
// copy only replaces it by a rename after a complete write.
#include <string>

namespace quorvel::converter {

// Remembers what to remove; copies the paths into fixed storage a signal handler may read.
void armEmergencyCleanup(const std::string& stagedFile, const std::string& temporaryFolder,
                         const std::string& stagingFolder);
void disarmEmergencyCleanup();

// Async-signal-safe: unlink and rmdir only. Whatever else stays (ImageMagick's numbered
// files) is removed by the next run into the folder (stale_staging).
void runEmergencyCleanup();

// SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGXCPU, SIGXFSZ: clean up, then die of the same signal.
void installTerminationHandlers();

}  // namespace quorvel::converter
