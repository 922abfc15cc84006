#pragma once
// Extends ImageMagick's built-in writers of some formats with work of ours before or after
// them. Each table entry names a format; its own writer is kept in `original` and called from
// the wrapper. Idempotent. Needs MagickCore started.
#include <magick/MagickCore.h>

#include <span>

namespace quorvel::converter {

template <typename Entry>
void wrapWriters(std::span<Entry> writers, EncodeImageHandler* wrapper) {
    ExceptionInfo* exception = AcquireExceptionInfo();
    for (Entry& writer : writers) {
        // The format list hands out const entries; replacing the writer in place is the one
        // way to extend a built-in coder without re-registering (and re-owning) it.
        auto* coder = const_cast<MagickInfo*>(GetMagickInfo(writer.format, exception));
        if (!coder || !coder->encoder || coder->encoder == wrapper) continue;
        writer.original = coder->encoder;
        coder->encoder = wrapper;
    }
    DestroyExceptionInfo(exception);
}

// The entry for the format being written (named by the write's options or by the picture).
template <typename Entry>
const Entry* wrappedWriterFor(std::span<const Entry> writers, const ImageInfo* info,
                              const Image* image) {
    for (const char* format : {info->magick, image->magick})
        for (const Entry& writer : writers)
            if (LocaleCompare(writer.format, format) == 0 && writer.original) return &writer;
    return nullptr;
}

}  // namespace quorvel::converter
