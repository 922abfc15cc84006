// Draws the pictures of assets/ into the folder given as the only argument.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <cstdio>

#include "app_icon.h"
#include "drop_area.h"
#include "geometry.h"
#include "hand_pointer.h"
#include "icon_file.h"

using namespace Qt::StringLiterals;

namespace {

bool save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "asset_generator: cannot write %s\n", qPrintable(path));
    return false;
}

// The sizes an icon file holds: up to 256 x 256.
bool saveIconFile(const QDir& folder, const QString& name) {
    std::vector<QImage> sizes;
    for (int size : quorvel::assets::kIconSizes)
        if (size <= 256) sizes.push_back(quorvel::assets::appIcon(size));
    QFile file(folder.filePath(name));
    const QByteArray bytes = quorvel::assets::iconFile(sizes);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) return true;
    std::fprintf(stderr, "asset_generator: cannot write %s\n", qPrintable(file.fileName()));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: asset_generator <assets folder>\n");
        return 2;
    }
    using namespace quorvel::assets;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (int scale : kPictureScales) {
        const QString suffix = scale == 1 ? QString() : u"@%1x"_s.arg(scale);
        ok = save(normalDropArea(scale), folder, u"drop_area_normal%1.png"_s.arg(suffix)) && ok;
        ok = save(highlightedDropArea(scale), folder,
                  u"drop_area_highlighted%1.png"_s.arg(suffix)) &&
             ok;
        ok = save(handPointer(scale), folder, u"hand_pointer%1.png"_s.arg(suffix)) && ok;
    }
    for (int size : kIconSizes)
        ok = save(appIcon(size), folder, u"icon_%1.png"_s.arg(size)) && ok;
    ok = saveIconFile(folder, u"quorvel.ico"_s) && ok;
    return ok ? 0 : 1;
}
