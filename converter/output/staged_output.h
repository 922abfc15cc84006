#pragma once
// Atomic output. ImageMagick writes into a private staging folder created inside the output
// folder, under a fixed name that holds no ImageMagick syntax, reached through a descriptor
// path so that nothing in the output folder's own path (a "%" or "[") is read as syntax
// either. Only after a complete, successful conversion that wrote exactly that one file is
// it flushed to disk and renamed to the requested name. A failed or interrupted run
// therefore leaves no partial file, and an existing file at the output path is replaced only
// by a complete new one. Staging inside the output folder keeps the rename on one file
// system, where it is atomic. ImageMagick's temporary files (a pixel cache spilled to disk)
// go into the staging folder too, so they leave with it.
//
// The folder is named after the converter and its process (".convert.exe-<pid>-XXXXXX") and
// locked while the run lives, so a later run can tell a killed run's folder from a live one
// (stale_staging).
#include <memory>
#include <string>
#include <vector>

#include "output/file_identity.h"

namespace quorvel::converter {

inline constexpr const char* kStagingPrefix = ".convert.exe-";

class StagedOutput {
public:
    // nullptr, with the reason in `problem`, when the output folder is missing or unwritable.
    static std::unique_ptr<StagedOutput> create(const std::string& outputPath,
                                                std::string& problem);
    ~StagedOutput();  // removes the staging folder and whatever is still in it
    StagedOutput(const StagedOutput&) = delete;
    StagedOutput& operator=(const StagedOutput&) = delete;

    // The staged file's real path, and the name to hand ImageMagick for it.
    const std::string& stagedPath() const { return m_stagedPath; }
    std::string imagePath() const;
    const std::string& stagingFolder() const { return m_folder; }
    std::string temporaryFolder() const { return m_folder + "/" + kTemporaryName; }

    // Free bytes on the output folder's file system (for telling a full disk).
    unsigned long long freeBytes() const;

    // Moves the staged file to the output path. Refuses, moving nothing, when the conversion
    // wrote no file, or more than the one (a multi-frame output ImageMagick splits into
    // numbered files), or when the output path is an input file.
    bool commit(const std::vector<FileIdentity>& inputs, std::string& problem);

    static constexpr const char* kStagedName = "out";
    static constexpr const char* kTemporaryName = "tmp";

private:
    StagedOutput(std::string outputPath, std::string folder, int descriptor)
        : m_outputPath(std::move(outputPath)),
          m_folder(std::move(folder)),
          m_stagedPath(m_folder + "/" + kStagedName),
          m_descriptor(descriptor) {}

    std::vector<std::string> writtenNames() const;

    std::string m_outputPath;
    std::string m_folder;
    std::string m_stagedPath;
    int m_descriptor = -1;  // the staging folder, locked
};

// Removes a staging folder's known contents (files, and the temporary folder's files) and
// the folder; never follows a symbolic link out of it.
void removeStagingFolder(const std::string& folder);

// The folder part of a path ("." for a bare file name) and the file name part.
std::string folderOf(const std::string& path);
std::string fileNameOf(const std::string& path);

}  // namespace quorvel::converter
