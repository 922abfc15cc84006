#include "qt_dropped_paths.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

#include "dropped_paths.h"

namespace quorvel {

std::vector<std::string> droppedLocalPaths(const QMimeData* data) {
    if (!data) return {};
    static const QString kUriList = QStringLiteral("text/uri-list");
    if (data->hasFormat(kUriList)) {
        const QByteArray list = data->data(kUriList);
        return localPathsOfUriList({list.constData(), static_cast<std::size_t>(list.size())});
    }
    std::vector<std::string> paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths.push_back(QDir::toNativeSeparators(url.toLocalFile()).toStdString());
    return paths;
}

}  // namespace quorvel
