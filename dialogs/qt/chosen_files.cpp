#include "chosen_files.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace quorvel {
namespace {

QString multipleSelection(const QStringList& files) {
    const QString folder = QFileInfo(files.first()).absolutePath();
    QString text = QDir::toNativeSeparators(folder) + QChar(u'\0');
    for (const QString& file : files) text += QFileInfo(file).fileName() + QChar(u'\0');
    return text;
}

void writeOver(std::u16string& buffer, const QString& text) {
    std::u16string written = text.toStdU16String();
    written += u'\0';
    if (buffer.size() < written.size()) buffer.resize(written.size(), u'\0');
    std::copy(written.begin(), written.end(), buffer.begin());
}

}  // namespace

void writeChosenFiles(FileDialogRecord& record, const QStringList& files) {
    if (files.isEmpty()) return;
    writeOver(record.file, files.size() > 1 ? multipleSelection(files)
                                            : QDir::toNativeSeparators(files.first()));
    writeOver(record.fileTitle, QFileInfo(files.first()).fileName());
}

}  // namespace quorvel
