#include "command/readable_formats.h"

#include <magick/MagickCore.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace quorvel::converter {
namespace {

// Run outside programs (documents, vector graphics, video), fetch from the network, or
// open further files named inside the input.
constexpr std::array<std::string_view, 47> kRefusedFormats = {
    "AI",    "EPDF", "EPI",   "EPS",  "EPS2",      "EPS3",   "EPSF", "EPSI",  "EPT",  "EPT2",
    "EPT3",  "PDF",  "PDFA",  "PS",   "PS2",       "PS3",    "PCL",  "XPS",   "PDL",  "GS",
    "MPEG",  "MPG",  "MP4",   "M2V",  "M4V",       "MOV",    "WMV",  "AVI",   "MKV",  "FLV",
    "VIDEO", "SVG",  "SVGZ",  "MSVG", "MVG",       "MSL",    "HTML", "SHTML", "TEXT", "TXT",
    "URL",   "HTTP", "HTTPS", "FTP",  "EPHEMERAL", "INLINE", "PWP"};

std::string upper(std::string text);

bool isRefused(const std::string& format) {
    return std::find(kRefusedFormats.begin(), kRefusedFormats.end(), upper(format)) !=
           kRefusedFormats.end();
}

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

const MagickInfo* readerOf(const std::string& format) {
    if (format.empty()) return nullptr;
    ExceptionInfo* exception = AcquireExceptionInfo();
    const MagickInfo* info = GetMagickInfo(format.c_str(), exception);
    DestroyExceptionInfo(exception);
    return info && GetImageDecoder(info) ? info : nullptr;
}

}  // namespace

std::string formatByContent(std::span<const std::uint8_t> head) {
    if (head.empty()) return {};
    char name[MaxTextExtent] = "";
    // The coders' own signature tests; ImageMagick's magic.xml table is not consulted (its
    // cache is never freed, and the coders know every format it lists).
    if (GetImageMagick(head.data(), head.size(), name) && *name) return name;
    return {};
}

std::string formatByExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    const std::string extension = upper(path.substr(dot + 1));
    if (extension.empty() || !std::all_of(extension.begin(), extension.end(),
                                          [](unsigned char c) { return std::isalnum(c); }))
        return {};
    // A refused format's module is never even loaded.
    return isRefused(extension) || readerOf(extension) ? extension : std::string{};
}

bool isPhotoFormat(const std::string& format) {
    return !isRefused(format) && readerOf(upper(format)) != nullptr;
}

}  // namespace quorvel::converter
