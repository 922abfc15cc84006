#pragma once
// The local paths of a Qt drop: the URI list's own bytes where the platform hands them over
// (see dropped_paths.h), else Qt's local-file URLs.
#include <string>
#include <vector>

class QMimeData;

namespace quorvel {

std::vector<std::string> droppedLocalPaths(const QMimeData* data);

}  // namespace quorvel
