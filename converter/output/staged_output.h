#pragma once
// Atomic output. ImageMagick writes into a private staging folder created inside the output
// folder; only after a complete, successful conversion is each written file flushed to disk
// and renamed into place. A failed or interrupted run therefore leaves no partial file, and
// an existing file at the output path is replaced only by a complete new one. Staging inside
// the output folder keeps the rename on one file system, where it is atomic.
#include <memory>
#include <string>
#include <vector>

#include "output/file_identity.h"

namespace quorvel::converter {

class StagedOutput {
public:
    // nullptr, with the reason in `problem`, when the output folder is missing or unwritable.
    static std::unique_ptr<StagedOutput> create(const std::string& outputPath,
                                                std::string& problem);
    ~StagedOutput();  // removes the staging folder and whatever is still in it
    StagedOutput(const StagedOutput&) = delete;
    StagedOutput& operator=(const StagedOutput&) = delete;

    // Where ImageMagick writes instead of the output path (same file name).
    const std::string& stagedPath() const { return m_stagedPath; }
    const std::string& stagingFolder() const { return m_folder; }

    // Moves every file the conversion wrote (one, or ImageMagick's numbered series) into the
    // output folder. Refuses, moving nothing, when one would replace an input file.
    bool commit(const std::vector<FileIdentity>& inputs, std::string& problem);

private:
    StagedOutput(std::string outputFolder, std::string folder, std::string stagedPath)
        : m_outputFolder(std::move(outputFolder)),
          m_folder(std::move(folder)),
          m_stagedPath(std::move(stagedPath)) {}

    std::vector<std::string> writtenNames() const;

    std::string m_outputFolder;
    std::string m_folder;
    std::string m_stagedPath;
};

// The folder part of a path ("." for a bare file name) and the file name part.
std::string folderOf(const std::string& path);
std::string fileNameOf(const std::string& path);

}  // namespace quorvel::converter
