#include "dropped_paths.h"

#include <QByteArray>
#include <QDir>
#include <QMimeData>
#include <QUrl>

namespace quorvel {

std::string localPathOfUri(const QByteArray& line) {
    QByteArray uri = line.trimmed();
    if (!uri.toLower().startsWith("file:")) return "";
    uri = uri.mid(5);
    // A query or fragment is no part of the file's name (a literal '#' or '?' comes encoded).
    if (const qsizetype cut = uri.indexOf('?'); cut >= 0) uri.truncate(cut);
    if (const qsizetype cut = uri.indexOf('#'); cut >= 0) uri.truncate(cut);
    QByteArray host;
    if (uri.startsWith("//")) {
        const qsizetype slash = uri.indexOf('/', 2);
        host = uri.mid(2, slash < 0 ? -1 : slash - 2);
        uri = slash < 0 ? QByteArray() : uri.mid(slash);
    }
    if (uri.isEmpty()) return "";
    // Another host's file, as Qt names it: a UNC path.
    const QByteArray prefix =
        host.isEmpty() || host.toLower() == "localhost" ? QByteArray() : "//" + host;
    const QByteArray path = prefix + QByteArray::fromPercentEncoding(uri);
#ifdef _WIN32
    // Windows names are UTF-16 underneath: there the bytes are UTF-8, with its separators.
    return QDir::toNativeSeparators(QString::fromUtf8(path)).toStdString();
#else
    return path.toStdString();
#endif
}

std::vector<std::string> droppedLocalPaths(const QMimeData* data) {
    std::vector<std::string> paths;
    if (!data) return paths;
    static const QString kUriList = QStringLiteral("text/uri-list");
    if (data->hasFormat(kUriList)) {
        for (const QByteArray& line : data->data(kUriList).split('\n')) {
            if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
            if (std::string path = localPathOfUri(line); !path.empty())
                paths.push_back(std::move(path));
        }
        return paths;
    }
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths.push_back(QDir::toNativeSeparators(url.toLocalFile()).toStdString());
    return paths;
}

}  // namespace quorvel
