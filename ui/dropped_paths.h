#pragma once
// The local paths of a drop, as the exact bytes the file manager sent. A toolkit that decodes a
// URI list as UTF-8 turns a name whose bytes are not UTF-8 (a file manager on a Latin-1 file
// system sends "caf\xe9.hdr") into U+FFFD, naming no file; these are the percent-decoded bytes
// of each file URI instead.
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The file URIs of a text/uri-list, in order; comment lines and other URIs add nothing.
std::vector<std::string> localPathsOfUriList(std::string_view uriList);

// One line of a URI list to a local path, with the platform's separators; "" when it is no
// file URI.
std::string localPathOfUri(std::string_view uri);

}  // namespace quorvel
