#pragma once
// Catches what a library writes to standard error while it works. LibRaw decodes lossy DNGs
// with libjpeg, whose default error handler prints straight to stderr ("Premature end of JPEG
// file"); that would become the first line of the converter's output, ahead of the one clear
// message the program shows. The text is kept instead, for the decoder to report.
#include <string>

namespace quorvel::converter {

class StderrCapture {
public:
    StderrCapture();  // from here on, stderr goes to a private memory file
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Restores stderr and returns what was written meanwhile (once).
    std::string finish();

private:
    int m_saved = -1;
    int m_capture = -1;
};

}  // namespace quorvel::converter
