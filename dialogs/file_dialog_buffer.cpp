#include "file_dialog_buffer.h"

#include <QDir>
#include <QFileInfo>

namespace quorvel {
namespace {

QString multipleSelection(const QStringList& files) {
    const QString folder = QFileInfo(files.first()).absolutePath();
    QString buffer = QDir::toNativeSeparators(folder) + QChar(u'\0');
    for (const QString& file : files) buffer += QFileInfo(file).fileName() + QChar(u'\0');
    return buffer;
}

}  // namespace

QString composeFileBuffer(const QStringList& files) {
    QString buffer =
        files.size() > 1 ? multipleSelection(files) : QDir::toNativeSeparators(files.value(0));
    if (buffer.size() < kFileBufferSize) buffer.resize(kFileBufferSize, QChar(u'\0'));
    return buffer;
}

QString cutAtFirstNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

QString fileTitleOf(const QStringList& files) {
    return files.isEmpty() ? QString() : QFileInfo(files.first()).fileName();
}

}  // namespace quorvel
