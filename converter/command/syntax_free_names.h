#pragma once
// Names for files that ImageMagick cannot misread. ImageMagick treats parts of a file name as
// syntax: globs ("IMG_[12].hdr" reads IMG_1.hdr and IMG_2.hdr), "%d" escapes, "[N]" frame
// suffixes, "@list" files. Each input is opened here and handed on as /proc/self/fd/<n>,
// which names exactly that file and holds nothing ImageMagick would interpret. The files stay
// open for the life of this object.
#include <string>
#include <vector>

namespace quorvel::converter {

class SyntaxFreeNames {
public:
    SyntaxFreeNames() = default;
    ~SyntaxFreeNames();
    SyntaxFreeNames(const SyntaxFreeNames&) = delete;
    SyntaxFreeNames& operator=(const SyntaxFreeNames&) = delete;

    // The plain name for an existing file or folder; "" when it cannot be opened.
    std::string nameFor(const std::string& path);

private:
    std::vector<int> m_descriptors;
};

// The name through an open descriptor: "/proc/self/fd/<n>".
std::string descriptorPath(int descriptor);

}  // namespace quorvel::converter
