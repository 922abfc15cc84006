#include "raw/libraw_session.h"

#include <sys/stat.h>

#include "raw/highlight_shoulder.h"
#include "raw/raw_data_extent.h"
#include "tiff/mapped_file.h"

namespace quorvel::converter {
namespace {

// The histogram level above which fewer than `threshold` of the pixels lie, over all colours.
int whitePoint(const int (*histogram)[LIBRAW_HISTOGRAM_SIZE], int colors, long threshold) {
    int white = 0;
    for (int color = 0; color < colors; ++color) {
        long above = 0;
        int level = LIBRAW_HISTOGRAM_SIZE - 1;
        for (; level > 32; --level) {
            above += histogram[color][level];
            if (above > threshold) break;
        }
        if (level > white) white = level;
    }
    return white;
}

}  // namespace

LibRawSession::LibRawSession() {
    set_dataerror_handler([](void* session, const char*,
                             const int) { ++static_cast<LibRawSession*>(session)->m_dataErrors; },
                          this);
    set_memerror_handler([](void*, const char*, const char*) {}, nullptr);
}

bool LibRawSession::rawDataCutShort(const std::string& path) {
    {
        const MappedFile file(path);
        if (const auto dng = dngRawDataCutShort(file.bytes())) return *dng;
    }
    struct stat info {};
    const auto& unpacker = get_internal_data_pointer()->unpacker_data;
    if (unpacker.data_size == 0 || stat(path.c_str(), &info) != 0) return false;
    return unpacker.data_offset + static_cast<INT64>(unpacker.data_size) > info.st_size;
}

void LibRawSession::prepareOutputCurve() {
    const auto* histogram = get_internal_data_pointer()->output_data.histogram;
    if (!histogram) return;
    const libraw_output_params_t& params = imgdata.params;
    long pixels = static_cast<long>(imgdata.sizes.width) * imgdata.sizes.height;
    if (is_fuji_rotated()) pixels /= 2;
    int white = LIBRAW_HISTOGRAM_SIZE;
    if (!((params.highlight & ~2) || params.no_auto_bright))
        white = whitePoint(histogram, imgdata.idata.colors,
                           static_cast<long>(pixels * params.auto_bright_thr));
    // The shoulder reaches white where only a few stray pixels (hot or specular) lie above.
    const int brightest = whitePoint(histogram, imgdata.idata.colors, pixels / 10000);
    fillShoulderCurve(imgdata.color.curve, (white << 3) / params.bright, (brightest + 1) << 3);
}

void LibRawSession::releaseSensorDataDuringProcessing() {
    if (callbacks.pre_interpolate_cb) return;  // taken: the sensor data goes after processing
    callbacks.pre_interpolate_cb = [](void* session) {
        static_cast<LibRawSession*>(session)->releaseSensorData();
    };
}

void LibRawSession::releaseSensorData() {
    libraw_rawdata_t& raw = imgdata.rawdata;
    if (!raw.raw_alloc || raw.raw_alloc == static_cast<void*>(imgdata.image)) return;
    free(raw.raw_alloc);  // LibRaw's own free: its allocation tracker forgets the block too
    raw.raw_alloc = nullptr;
    raw.raw_image = nullptr;
    raw.color4_image = nullptr;
    raw.color3_image = nullptr;
    raw.float_image = nullptr;
    raw.float3_image = nullptr;
    raw.float4_image = nullptr;
}

}  // namespace quorvel::converter
