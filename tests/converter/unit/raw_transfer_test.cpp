#include "raw/raw_transfer.h"

#include <gtest/gtest.h>

#include <memory>

#include "magick/magick_image.h"
#include "raw/raw_orientation.h"
#include "samples.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;

// LibRaw's own memory image (copy_mem_image) is the reference: the converter's band-by-band
// transfer, with its own orientation mapping, must give the same 16-bit values. Both use the
// converter's tone curve (the highlight shoulder, tested on its own).
struct TransferCase {
    const char* sample;
    int flip;
    bool halfSize;
};

void PrintTo(const TransferCase& c, std::ostream* os) {
    *os << c.sample << " flip " << c.flip << (c.halfSize ? " half" : "");
}

std::unique_ptr<LibRawSession> processed(const TransferCase& c, bool releaseEarly) {
    auto raw = std::make_unique<LibRawSession>();
    EXPECT_EQ(raw->open_file(sample(c.sample).c_str()), LIBRAW_SUCCESS);
    libraw_output_params_t& params = raw->imgdata.params;
    params.use_camera_wb = 1;
    params.output_bps = 16;
    params.gamm[0] = 1 / 2.4;
    params.gamm[1] = 12.92;
    params.user_flip = c.flip;
    params.half_size = c.halfSize;
    EXPECT_EQ(raw->unpack(), LIBRAW_SUCCESS);
    if (releaseEarly) raw->releaseSensorDataDuringProcessing();
    EXPECT_EQ(raw->dcraw_process(), LIBRAW_SUCCESS);
    return raw;
}

class RawTransfer : public testing::TestWithParam<TransferCase> {};

TEST_P(RawTransfer, MatchesLibRawsOwnMemoryImage) {
    REQUIRE_SAMPLE(GetParam().sample);
    auto reference = processed(GetParam(), false);
    reference->prepareOutputCurve();
    // Without a histogram LibRaw's copy keeps the curve it finds instead of making its own.
    auto& histogram = reference->get_internal_data_pointer()->output_data.histogram;
    auto* const kept = histogram;
    histogram = nullptr;
    int error = 0;
    libraw_processed_image_t* expected = reference->dcraw_make_mem_image(&error);
    histogram = kept;
    ASSERT_NE(expected, nullptr);
    ASSERT_EQ(expected->bits, 16);

    auto raw = processed(GetParam(), true);
    const auto& sizes = raw->imgdata.sizes;
    const RawOrientation orientation(sizes.width, sizes.height, sizes.flip);
    ImageInfo* info = AcquireImageInfo();
    ExceptionInfo* exception = AcquireExceptionInfo();
    Image* image =
        newImage(info, orientation.uprightWidth(), orientation.uprightHeight(), 16, exception);
    ASSERT_NE(image, nullptr);
    ASSERT_TRUE(transferProcessedPicture(*raw, image, exception));
    ASSERT_EQ(image->columns, expected->width);
    ASSERT_EQ(image->rows, expected->height);

    const auto* values = reinterpret_cast<const unsigned short*>(expected->data);
    std::size_t mismatches = 0;
    for (std::size_t y = 0; y < image->rows; ++y) {
        const PixelPacket* p =
            GetVirtualPixels(image, 0, static_cast<ssize_t>(y), image->columns, 1, exception);
        ASSERT_NE(p, nullptr);
        for (std::size_t x = 0; x < image->columns; ++x, ++p) {
            const unsigned short* rgb = values + (y * image->columns + x) * expected->colors;
            const unsigned short g = expected->colors == 1 ? rgb[0] : rgb[1];
            const unsigned short b = expected->colors == 1 ? rgb[0] : rgb[2];
            mismatches += p->red != rgb[0] || p->green != g || p->blue != b;
        }
    }
    EXPECT_EQ(mismatches, 0u);
    LibRaw::dcraw_clear_mem(expected);
    DestroyImage(image);
    DestroyExceptionInfo(exception);
    DestroyImageInfo(info);
}

INSTANTIATE_TEST_SUITE_P(Orientations, RawTransfer,
                         testing::Values(TransferCase{"synthetic_nikon_d200.NEF", 0, false},
                                         TransferCase{"synthetic_nikon_d200.NEF", 3, false},
                                         TransferCase{"synthetic_nikon_d200.NEF", 5, false},
                                         TransferCase{"synthetic_nikon_d200.NEF", 6, false},
                                         TransferCase{"synthetic_nikon_d200.NEF", 1, true},
                                         TransferCase{"synthetic_nikon_d200.NEF", 6, true},
                                         TransferCase{"synthetic_nikon_d200.NEF", 7, true},
                                         TransferCase{"synthetic_lossy_256x168.dng", 0, false},
                                         TransferCase{"synthetic_lossy_256x168.dng", 6, false},
                                         TransferCase{"canon_eos_kiss_x4_colorchart.dng", 2,
                                                      true}));

}  // namespace
}  // namespace quorvel::converter
