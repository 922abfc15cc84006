#pragma once
// The local paths of a drop, as the exact bytes the file manager sent. Qt decodes a URI list
// as UTF-8, so a name whose bytes are not UTF-8 (a file manager on a Latin-1 file system sends
// "caf\xe9.hdr") would become U+FFFD and name no file; these are the percent-decoded bytes of
// each file URI instead.
#include <string>
#include <vector>

#include <QByteArray>

class QMimeData;

namespace quorvel {

std::vector<std::string> droppedLocalPaths(const QMimeData* data);

// One line of a URI list to a local path; "" when it is no file URI.
std::string localPathOfUri(const QByteArray& uri);

}  // namespace quorvel
