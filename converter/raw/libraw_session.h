#pragma once
// LibRaw with the few protected steps the converter needs to hand the processed picture to
// ImageMagick without a third full-size copy in memory: the output tone curve, and freeing
// the sensor data once it has been processed.
#include <libraw/libraw.h>

#include <string>

namespace quorvel::converter {

class LibRawSession : public LibRaw {
public:
    // LibRaw's default handlers print data and memory errors to stderr themselves; here they
    // are only counted, and the decoder reports them in its own words.
    LibRawSession();
    bool dataErrorSeen() const { return m_dataErrors > 0; }

    // Whether the raw data the file's own tags locate runs past the end of the file: some of
    // LibRaw's decoders read such a file to its end without noticing and fill in garbage.
    // Call after open_file().
    bool rawDataCutShort(const std::string& path);

    // Fills imgdata.color.curve with the output tone curve: LibRaw's white point from the
    // histogram (auto brightness), a soft highlight shoulder above it (highlight_shoulder),
    // then the sRGB transfer curve.
    // Call after dcraw_process().
    void prepareOutputCurve();

    // The undecoded sensor data is not needed once dcraw_process() has copied it into the
    // picture buffer; this frees it at the first processing step after the copy, so the
    // demosaicing runs without it in memory. Call before dcraw_process().
    void releaseSensorDataDuringProcessing();

    void releaseSensorData();

private:
    int m_dataErrors = 0;
};

}  // namespace quorvel::converter
