#include "magick/magick_session.h"

#include <magick/MagickCore.h>

#include <cstdlib>
#include <string>
#include <string_view>

#include "output/emergency_cleanup.h"

namespace quorvel::converter {
namespace {

// MagickCore's handlers carry no user data, so the active run's sink is kept here.
Diagnostics* g_sink = nullptr;

std::string describe(const char* reason, const char* description) {
    std::string text = reason ? reason : "unknown problem";
    if (description && *description) text += std::string(" (") + description + ")";
    return withoutSourceLocation(text);
}

// ImageMagick's readers name the damage in their own terms ("insufficient image data in file
// `x'"); the plain reason goes first. The converter's own readers say it in their own words.
std::string damaged(const char* reason, const char* description) {
    std::string text = describe(reason, description);
    if (text.rfind("unable to decode", 0) == 0) return text;
    return "damaged or cut short: " + text;
}

void onWarning(const ExceptionType severity, const char* reason, const char* description) {
    if (!g_sink) return;
    // ImageMagick's own XML parser fails on many real XMP packets (Lightroom's, for one) when
    // it looks up XMP properties; exiv2 reads and writes the XMP, so the complaint says nothing
    // about the conversion.
    if (reason && std::string_view(reason).starts_with("ParseError")) return;
    // A damaged input still yields a picture (a truncated JPEG ends in grey) with only a
    // warning; converting it would report a broken result as success.
    if (severity == CorruptImageWarning)
        g_sink->error(ExitCode::InputError, damaged(reason, description));
    else
        g_sink->warning(describe(reason, description));
}

// Errors about reading a picture; the output cannot cause them, as it is checked and staged
// before ImageMagick runs.
bool isInputError(ExceptionType severity) {
    return severity == CorruptImageError || severity == CoderError || severity == FileOpenError ||
           severity == MissingDelegateError || severity == BlobError;
}

void onError(const ExceptionType severity, const char* reason, const char* description) {
    if (!g_sink) return;
    if (severity == CorruptImageError)
        g_sink->error(ExitCode::InputError, damaged(reason, description));
    else
        g_sink->error(isInputError(severity) ? ExitCode::InputError : ExitCode::Failed,
                      describe(reason, description));
}

[[noreturn]] void onFatalError(const ExceptionType, const char* reason, const char* description) {
    if (g_sink) {
        g_sink->error(ExitCode::Failed, describe(reason, description));
        g_sink->print(stderr);
    }
    runEmergencyCleanup();
    std::_Exit(static_cast<int>(ExitCode::Failed));
}

}  // namespace

MagickSession::MagickSession(const char* programPath, Diagnostics& diagnostics) {
    g_sink = &diagnostics;
    // No MagickCore signal handlers: ours also remove the staged output (emergency_cleanup).
    MagickCoreGenesis(programPath, MagickFalse);
    SetWarningHandler(onWarning);
    SetErrorHandler(onError);
    SetFatalErrorHandler(onFatalError);
    // The format list is built lazily; our own coders can only join an existing list.
    ExceptionInfo* exception = AcquireExceptionInfo();
    GetMagickInfo(nullptr, exception);
    DestroyExceptionInfo(exception);
}

MagickSession::~MagickSession() {
    MagickCoreTerminus();
    g_sink = nullptr;
}

}  // namespace quorvel::converter
