#pragma once
// The EXIF of a camera raw file, for the converted picture. LibRaw reports every tag it
// parses through its EXIF callback; the collector keeps the main directory's camera tags and
// the whole Exif and GPS directories as the file had them. What the callback did not deliver
// (formats LibRaw parses by other means) is filled in from LibRaw's decoded fields.
#include <libraw/libraw.h>

#include "metadata/exif_data.h"

namespace quorvel::converter {

class RawExifCollector {
public:
    // Hand to LibRaw::set_exifparser_handler with a pointer to the collector.
    static void callback(void* context, int tag, int type, int count, unsigned int byteOrder,
                         void* stream, INT64 base);

    // The collected tags, completed from `data`, with the orientation reset to "upright"
    // because the decoder applies the camera's orientation to the pixels.
    ExifData result(const libraw_data_t& data) const;

private:
    void take(ExifDirectory directory, std::uint16_t tag, std::uint16_t type, std::uint32_t count,
              bool bigEndian, LibRaw_abstract_datastream& stream);

    ExifData m_data;
};

}  // namespace quorvel::converter
