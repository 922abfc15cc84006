#pragma once
// A drop of files on the window as a drag brings it: entering first, then the drop.
#include <QCoreApplication>
#include <QMimeData>
#include <QStringList>
#include <QUrl>
#include <QWidget>

namespace quorvel::test {

inline Qt::DropAction dropData(QWidget& window, const QMimeData& data) {
    const QPointF at(200, 60);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

inline Qt::DropAction dropFiles(QWidget& window, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    return dropData(window, data);
}

}  // namespace quorvel::test
