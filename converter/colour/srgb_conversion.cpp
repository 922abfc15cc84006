#include "colour/srgb_conversion.h"

#include "colour/lcms_handles.h"

namespace quorvel::converter {
namespace {

using lcms::Profile;
using lcms::Transform;

// ImageMagick's Q16 pixels are blue, green, red and opacity as 16-bit words.
static_assert(sizeof(PixelPacket) == 8 && sizeof(Quantum) == 2,
              "the transform reads Q16 pixels in place");
constexpr cmsUInt32Number kPixelFormat = TYPE_BGRA_16;

bool transformPixels(Image* image, cmsHTRANSFORM transform, ExceptionInfo* exception) {
    for (ssize_t y = 0; y < static_cast<ssize_t>(image->rows); ++y) {
        PixelPacket* row = GetAuthenticPixels(image, 0, y, image->columns, 1, exception);
        if (!row) return false;
        cmsDoTransform(transform, row, row, static_cast<cmsUInt32Number>(image->columns));
        if (SyncAuthenticPixels(image, exception) == MagickFalse) return false;
    }
    return true;
}

}  // namespace

bool convertToSrgb(Image* image, std::string& problem) {
    const StringInfo* icc = GetImageProfile(image, "icc");
    if (!icc) return true;
    const Profile source(cmsOpenProfileFromMem(GetStringInfoDatum(icc),
                                               static_cast<cmsUInt32Number>(GetStringInfoLength(icc))));
    const Profile srgb(cmsCreate_sRGBProfile());
    if (!source || !srgb || cmsGetColorSpace(source.get()) != cmsSigRgbData) {
        problem = "its colour profile is not a usable RGB profile";
        return false;
    }
    // The opacity word is left as it is: the transform works in place.
    const Transform transform(cmsCreateTransform(source.get(), kPixelFormat, srgb.get(),
                                                 kPixelFormat, INTENT_PERCEPTUAL,
                                                 cmsFLAGS_BLACKPOINTCOMPENSATION));
    if (!transform) {
        problem = "its colour profile cannot be converted to sRGB";
        return false;
    }
    if (!transformPixels(image, transform.get(), &image->exception)) {
        problem = "its pixels could not be converted to sRGB";
        return false;
    }
    DeleteImageProfile(image, "icc");
    return true;
}

}  // namespace quorvel::converter
