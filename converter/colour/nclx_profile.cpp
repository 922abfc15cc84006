#include "colour/nclx_profile.h"

#include <array>
#include <string>

#include "colour/lcms_handles.h"

namespace quorvel::converter {
namespace {

using lcms::Curve;
using lcms::Profile;

// lcms2's parametric type 4: Y = (aX + b)^g above d, cX below.
Curve parametric(double g, double a, double b, double c, double d) {
    const std::array<cmsFloat64Number, 5> parameters = {g, a, b, c, d};
    return Curve(cmsBuildParametricToneCurve(nullptr, 4, parameters.data()));
}

Curve transferCurve(heif_transfer_characteristics transfer) {
    switch (transfer) {
        case heif_transfer_characteristic_ITU_R_BT_709_5:
        case heif_transfer_characteristic_ITU_R_BT_601_6:
        case heif_transfer_characteristic_ITU_R_BT_2020_2_10bit:
        case heif_transfer_characteristic_ITU_R_BT_2020_2_12bit:
            return parametric(1 / 0.45, 1 / 1.099, 0.099 / 1.099, 1 / 4.5, 0.081);
        case heif_transfer_characteristic_linear:
            return Curve(cmsBuildGamma(nullptr, 1.0));
        case heif_transfer_characteristic_ITU_R_BT_470_6_System_M:
            return Curve(cmsBuildGamma(nullptr, 2.2));
        case heif_transfer_characteristic_ITU_R_BT_470_6_System_B_G:
            return Curve(cmsBuildGamma(nullptr, 2.8));
        default:  // sRGB, and what HEIF writers mean when they leave it open
            return parametric(2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045);
    }
}

bool isSrgbAnyway(const heif_color_profile_nclx& nclx) {
    const bool bt709 = nclx.color_primaries == heif_color_primaries_ITU_R_BT_709_5 ||
                       nclx.color_primaries == heif_color_primaries_unspecified;
    return bt709 && nclxTransfer(nclx) == NclxTransfer::Display &&
           nclx.transfer_characteristics != heif_transfer_characteristic_linear;
}

std::string description(const heif_color_profile_nclx& nclx) {
    switch (nclx.color_primaries) {
        case heif_color_primaries_SMPTE_EG_432_1: return "Display P3 (from HEIF nclx)";
        case heif_color_primaries_SMPTE_RP_431_2: return "DCI-P3 (from HEIF nclx)";
        case heif_color_primaries_ITU_R_BT_2020_2_and_2100_0: return "BT.2020 (from HEIF nclx)";
        default: return "RGB (from HEIF nclx)";
    }
}

void describe(cmsHPROFILE profile, const std::string& text) {
    cmsMLU* mlu = cmsMLUalloc(nullptr, 1);
    if (!mlu) return;
    cmsMLUsetASCII(mlu, "en", "US", text.c_str());
    cmsWriteTag(profile, cmsSigProfileDescriptionTag, mlu);
    cmsMLUfree(mlu);
}

std::vector<std::uint8_t> serialise(cmsHPROFILE profile) {
    cmsUInt32Number size = 0;
    if (!cmsSaveProfileToMem(profile, nullptr, &size) || size == 0) return {};
    std::vector<std::uint8_t> bytes(size);
    if (!cmsSaveProfileToMem(profile, bytes.data(), &size)) return {};
    bytes.resize(size);
    return bytes;
}

}  // namespace

NclxTransfer nclxTransfer(const heif_color_profile_nclx& nclx) {
    if (nclx.transfer_characteristics == heif_transfer_characteristic_ITU_R_BT_2100_0_PQ)
        return NclxTransfer::Pq;
    if (nclx.transfer_characteristics == heif_transfer_characteristic_ITU_R_BT_2100_0_HLG)
        return NclxTransfer::Hlg;
    return NclxTransfer::Display;
}

std::vector<std::uint8_t> iccFromNclx(const heif_color_profile_nclx& nclx) {
    if (isSrgbAnyway(nclx) || nclx.color_primary_white_y <= 0) return {};
    const cmsCIExyY white = {nclx.color_primary_white_x, nclx.color_primary_white_y, 1.0};
    const cmsCIExyYTRIPLE primaries = {
        {nclx.color_primary_red_x, nclx.color_primary_red_y, 1.0},
        {nclx.color_primary_green_x, nclx.color_primary_green_y, 1.0},
        {nclx.color_primary_blue_x, nclx.color_primary_blue_y, 1.0}};
    // HDR transfers are tone-mapped to the sRGB curve before the profile applies.
    const Curve curve = transferCurve(nclxTransfer(nclx) == NclxTransfer::Display
                                          ? nclx.transfer_characteristics
                                          : heif_transfer_characteristic_IEC_61966_2_1);
    if (!curve) return {};
    cmsToneCurve* curves[3] = {curve.get(), curve.get(), curve.get()};
    const Profile profile(cmsCreateRGBProfile(&white, &primaries, curves));
    if (!profile) return {};
    describe(profile.get(), description(nclx));
    return serialise(profile.get());
}

}  // namespace quorvel::converter
