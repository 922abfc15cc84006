#include "raw/stderr_capture.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>

namespace quorvel::converter {

StderrCapture::StderrCapture() {
    std::fflush(stderr);
    m_capture = memfd_create("converter-library-messages", MFD_CLOEXEC);
    m_saved = m_capture >= 0 ? dup(STDERR_FILENO) : -1;
    if (m_saved < 0 || dup2(m_capture, STDERR_FILENO) < 0) finish();
}

StderrCapture::~StderrCapture() { finish(); }

std::string StderrCapture::finish() {
    std::string text;
    std::fflush(stderr);
    if (m_saved >= 0) {
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
    }
    if (m_capture >= 0) {
        char buffer[1024];
        for (off_t at = 0;;) {
            const ssize_t got = pread(m_capture, buffer, sizeof buffer, at);
            if (got <= 0 || text.size() > 64 * 1024) break;
            text.append(buffer, static_cast<std::size_t>(got));
            at += got;
        }
        close(m_capture);
        m_capture = -1;
    }
    return text;
}

}  // namespace quorvel::converter
