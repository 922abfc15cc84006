#include "fake_converter.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace quorvel::test {

FakeConverterFolder::FakeConverterFolder() {
    const QDir root(m_dir.path());
    const QString converter = root.filePath(u"program/data/convert.exe"_s);
    m_valid = root.mkpath(u"program/data"_s) && root.mkpath(u"in"_s) &&
              QFile::copy(QStringLiteral(CHILD_HELPER_PATH), converter) &&
              QFile::setPermissions(converter, QFile::ReadOwner | QFile::ExeOwner);
    qputenv("QUORVEL_FAKE_LOG", QFile::encodeName(root.filePath(u"runs.log"_s)));
    qunsetenv("QUORVEL_FAKE_FAIL");
    qunsetenv("QUORVEL_FAKE_SLEEP_MS");
}

FakeConverterFolder::~FakeConverterFolder() {
    qunsetenv("QUORVEL_FAKE_LOG");
    qunsetenv("QUORVEL_FAKE_FAIL");
    qunsetenv("QUORVEL_FAKE_SLEEP_MS");
}

std::string FakeConverterFolder::programFolder() const {
    return QDir(m_dir.path()).filePath(u"program"_s).toStdString();
}

std::string FakeConverterFolder::outputFolder() const {
    return QDir(m_dir.path()).filePath(u"output"_s).toStdString();
}

std::string FakeConverterFolder::stagingFolder() const {
    return QDir(m_dir.path()).filePath(u"staging"_s).toStdString();
}

QString FakeConverterFolder::makeInput(const QString& name) const {
    const QString path = QDir(m_dir.path()).filePath(u"in/"_s + name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write("not really a photo\n");
    return path;
}

QList<QStringList> FakeConverterFolder::runs() const {
    QFile log(QDir(m_dir.path()).filePath(u"runs.log"_s));
    QList<QStringList> runs;
    if (!log.open(QIODevice::ReadOnly)) return runs;
    for (const QByteArray& line : log.readAll().split('\n'))
        if (!line.isEmpty()) runs << QString::fromUtf8(line).split(QChar(0x1f));
    return runs;
}

void FakeConverterFolder::failOn(const QString& part) const {
    qputenv("QUORVEL_FAKE_FAIL", part.toUtf8());
}

void FakeConverterFolder::sleepEachRun(int milliseconds) const {
    qputenv("QUORVEL_FAKE_SLEEP_MS", QByteArray::number(milliseconds));
}

}  // namespace quorvel::test
