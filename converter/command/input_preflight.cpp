#include "command/input_preflight.h"

#include <magick/MagickCore.h>

#include <cstdint>

namespace quorvel::converter {
namespace {

std::string quoted(const std::string& path) { return "`" + path + "'"; }

struct Declared {
    std::size_t frames = 0;
    std::uint64_t totalPixels = 0;
    std::uint64_t firstPixels = 0;
    std::size_t width = 0, height = 0;  // the largest frame
};

Declared ping(const std::string& argument) {
    Declared declared;
    ImageInfo* info = AcquireImageInfo();
    ExceptionInfo* exception = AcquireExceptionInfo();
    CopyMagickString(info->filename, argument.c_str(), MaxTextExtent);
    // The failure (if any) is the conversion's to report, with the reader's own words.
    Image* images = PingImage(info, exception);
    for (const Image* frame = images; frame; frame = GetNextImageInList(frame)) {
        const std::uint64_t pixels = static_cast<std::uint64_t>(frame->columns) * frame->rows;
        if (declared.frames++ == 0) declared.firstPixels = pixels;
        declared.totalPixels += pixels;
        if (pixels >= static_cast<std::uint64_t>(declared.width) * declared.height) {
            declared.width = frame->columns;
            declared.height = frame->rows;
        }
    }
    if (images) DestroyImageList(images);
    DestroyExceptionInfo(exception);
    DestroyImageInfo(info);
    return declared;
}

}  // namespace

bool holdsOnePicture(const std::string& format) {
    if (format.empty()) return true;
    ExceptionInfo* exception = AcquireExceptionInfo();
    const MagickInfo* info = GetMagickInfo(format.c_str(), exception);
    DestroyExceptionInfo(exception);
    return !info || info->adjoin == MagickFalse;
}

bool preflightInput(PreflightInput input, bool singlePictureOutput, const MemoryBudget& budget,
                    Diagnostics& report) {
    const Declared declared = ping(input.argument);
    const bool firstOnly = declared.frames > 1 && singlePictureOutput && !input.framesChosen;
    const std::uint64_t pixels = firstOnly ? declared.firstPixels : declared.totalPixels;
    if (pixels > budget.maxPixels()) {
        const std::string size =
            std::to_string(declared.width) + "x" + std::to_string(declared.height) + " pixels";
        const std::string limit = "larger than this converter handles (" +
                                  std::to_string(budget.maxPixels() / 1000000) + " megapixels)";
        if (declared.frames > 1 && !firstOnly)
            report.error(ExitCode::InputError,
                         quoted(input.shown) + " holds " + std::to_string(declared.frames) +
                             " pictures of up to " + size + ", together " + limit);
        else
            report.error(ExitCode::InputError, quoted(input.shown) + " is " + size + ", " + limit);
        return false;
    }
    if (firstOnly) {
        input.argument += "[0]";
        report.warning("note: " + quoted(input.shown) + " holds " +
                       std::to_string(declared.frames) +
                       " pictures; only the first was converted, as the output format holds one");
    }
    return true;
}

}  // namespace quorvel::converter
