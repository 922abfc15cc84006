#pragma once
// The application icon as one Windows icon file (.ico) for the Win32 program's resources: the
// sizes an icon file can hold (up to 256 x 256), each stored as PNG data, as the system's
// icon loader reads them.
#include <QByteArray>
#include <QImage>
#include <vector>

namespace quorvel::assets {

QByteArray iconFile(const std::vector<QImage>& sizes);

}  // namespace quorvel::assets
