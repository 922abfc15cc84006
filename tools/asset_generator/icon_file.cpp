#include "icon_file.h"

#include <QBuffer>
#include <QtEndian>

namespace quorvel::assets {
namespace {

void append16(QByteArray& out, quint16 value) {
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void append32(QByteArray& out, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

QByteArray iconFile(const std::vector<QImage>& sizes) {
    constexpr int kHeaderSize = 6, kEntrySize = 16;
    QByteArray header, images;
    append16(header, 0);  // reserved
    append16(header, 1);  // an icon, not a cursor
    append16(header, static_cast<quint16>(sizes.size()));
    quint32 offset = kHeaderSize + kEntrySize * static_cast<quint32>(sizes.size());
    for (const QImage& image : sizes) {
        const QByteArray data = png(image);
        // A width or height of 256 is written as 0.
        header.append(static_cast<char>(image.width() & 0xFF));
        header.append(static_cast<char>(image.height() & 0xFF));
        header.append('\0');   // no palette
        header.append('\0');   // reserved
        append16(header, 1);   // colour planes
        append16(header, 32);  // bits per pixel
        append32(header, static_cast<quint32>(data.size()));
        append32(header, offset);
        offset += static_cast<quint32>(data.size());
        images.append(data);
    }
    return header + images;
}

}  // namespace quorvel::assets
