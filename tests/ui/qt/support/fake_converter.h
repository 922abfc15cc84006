#pragma once
// A temporary program folder whose data/convert.exe is the test helper in its converter mode:
// it logs every run's arguments, writes a small output file, and fails or dawdles on request.
// Also holds an input and an output folder for the runs.
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <string>

namespace quorvel::test {

class FakeConverterFolder {
public:
    FakeConverterFolder();
    ~FakeConverterFolder();
    FakeConverterFolder(const FakeConverterFolder&) = delete;
    FakeConverterFolder& operator=(const FakeConverterFolder&) = delete;

    bool valid() const { return m_valid; }
    std::string programFolder() const;
    std::string outputFolder() const;
    std::string stagingFolder() const;
    // Creates a small input file of that name and returns its full path.
    QString makeInput(const QString& name) const;

    // Every converter run so far, each as its argument vector.
    QList<QStringList> runs() const;
    // Runs whose input path contains `part` fail with a message and status 1.
    void failOn(const QString& part) const;
    // Every run sleeps this long before it converts.
    void sleepEachRun(int milliseconds) const;

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};

}  // namespace quorvel::test
