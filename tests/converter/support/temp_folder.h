#pragma once
// A fresh folder for one test, removed with everything in it afterwards (also when a test has
// made it, or something inside it, immutable).
#include <filesystem>
#include <string>
#include <vector>

namespace quorvel::converter::testing_support {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

    // Names of the entries in the folder, hidden ones included, sorted.
    std::vector<std::string> entries() const;

private:
    std::filesystem::path m_path;
};

// Makes a folder impossible to write into, for root too: the immutable attribute where the
// file system and our privileges allow it, else read-only permissions (enough for others).
// False when neither keeps the current user out.
bool makeUnwritable(const std::filesystem::path& folder);
void makeWritable(const std::filesystem::path& folder);

// The same for a file: false when the current user could still write it.
bool makeFileUnwritable(const std::filesystem::path& file);
void makeFileWritable(const std::filesystem::path& file);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace quorvel::converter::testing_support
