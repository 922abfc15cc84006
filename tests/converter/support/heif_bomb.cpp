#include "heif_bomb.h"

#include <libheif/heif.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvel::converter::testing_support {
namespace {

using Bytes = std::string;

void put16(Bytes& out, std::uint32_t value) {
    out += static_cast<char>(value >> 8);
    out += static_cast<char>(value);
}

void put32(Bytes& out, std::uint32_t value) {
    put16(out, value >> 16);
    put16(out, value & 0xFFFF);
}

std::uint32_t get32(const Bytes& in, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | static_cast<std::uint8_t>(in[at + i]);
    return value;
}

Bytes box(const char* type, const Bytes& body) {
    Bytes out;
    put32(out, static_cast<std::uint32_t>(body.size() + 8));
    out += std::string(type, 4);
    return out + body;
}

Bytes fullBox(const char* type, std::uint8_t version, std::uint32_t flags, const Bytes& body) {
    Bytes head;
    put32(head, (std::uint32_t{version} << 24) | flags);
    return box(type, head + body);
}

struct Found {
    std::size_t at, size, header;
};

// The first box of `type` inside [begin, end), looking into the container boxes on the way.
std::optional<Found> findBox(const Bytes& file, const char* type, std::size_t begin,
                             std::size_t end) {
    for (std::size_t at = begin; at + 8 <= end;) {
        const std::size_t size = get32(file, at);
        if (size < 8 || at + size > end) return std::nullopt;
        const std::string name = file.substr(at + 4, 4);
        if (name == type) return Found{at, size, 8};
        const std::size_t inner = name == "meta" ? 12 : (name == "iprp" || name == "ipco") ? 8 : 0;
        if (inner)
            if (auto found = findBox(file, type, at + inner, at + size)) return found;
        at += size;
    }
    return std::nullopt;
}

heif_error writeToString(heif_context*, const void* data, size_t size, void* userdata) {
    static_cast<Bytes*>(userdata)->append(static_cast<const char*>(data), size);
    return heif_error{heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

// One flat grey tile, encoded as a one-picture HEIC by libheif.
Bytes encodedTile(std::size_t tileSize) {
    heif_encoder* encoder = nullptr;
    heif_context* context = heif_context_alloc();
    Bytes file;
    if (heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder).code ==
        heif_error_Ok) {
        heif_image* image = nullptr;
        const int side = static_cast<int>(tileSize);
        heif_image_create(side, side, heif_colorspace_YCbCr, heif_chroma_420, &image);
        for (heif_channel channel : {heif_channel_Y, heif_channel_Cb, heif_channel_Cr}) {
            const int planeSide = channel == heif_channel_Y ? side : (side + 1) / 2;
            heif_image_add_plane(image, channel, planeSide, planeSide, 8);
            int stride = 0;
            std::uint8_t* plane = heif_image_get_plane(image, channel, &stride);
            for (int row = 0; row < planeSide; ++row)
                std::fill_n(plane + static_cast<std::ptrdiff_t>(row) * stride, planeSide, 128);
        }
        heif_encoder_set_lossy_quality(encoder, 50);
        heif_context_encode_image(context, image, encoder, nullptr, nullptr);
        heif_writer writer{1, writeToString};
        heif_context_write(context, &writer, &file);
        heif_image_release(image);
        heif_encoder_release(encoder);
    }
    heif_context_free(context);
    return file;
}

}  // namespace

std::string heifGridBomb(std::size_t tileSize, std::size_t rows, std::size_t columns) {
    const Bytes tileFile = encodedTile(tileSize);
    const auto hvcC = findBox(tileFile, "hvcC", 0, tileFile.size());
    const auto mdat = findBox(tileFile, "mdat", 0, tileFile.size());
    if (!hvcC || !mdat) return {};
    // libheif writes one item whose data is all of mdat.
    const Bytes tileData = tileFile.substr(mdat->at + 8, mdat->size - 8);

    Bytes ftyp = "heic";
    put32(ftyp, 0);
    ftyp = box("ftyp", ftyp + "mif1heic");

    const auto infe = [](std::uint16_t id, const char* type) {
        Bytes body;
        put16(body, id);
        put16(body, 0);
        return fullBox("infe", 2, 0, body + std::string(type, 4) + std::string(1, '\0'));
    };
    Bytes iinf;
    put16(iinf, 2);
    iinf = fullBox("iinf", 0, 0, iinf + infe(1, "grid") + infe(2, "hvc1"));

    Bytes dimg;
    put16(dimg, 1);
    put16(dimg, static_cast<std::uint32_t>(rows * columns));
    for (std::size_t i = 0; i < rows * columns; ++i) put16(dimg, 2);
    const Bytes iref = fullBox("iref", 0, 0, box("dimg", dimg));

    const auto ispe = [](std::size_t width, std::size_t height) {
        Bytes body;
        put32(body, static_cast<std::uint32_t>(width));
        put32(body, static_cast<std::uint32_t>(height));
        return fullBox("ispe", 0, 0, body);
    };
    const Bytes ipco =
        box("ipco", tileFile.substr(hvcC->at, hvcC->size) + ispe(tileSize, tileSize) +
                        ispe(tileSize * columns, tileSize * rows));
    Bytes ipma;
    put32(ipma, 2);
    put16(ipma, 1);
    ipma += static_cast<char>(1);
    ipma += static_cast<char>(3);
    put16(ipma, 2);
    ipma += static_cast<char>(2);
    ipma += static_cast<char>(0x81);  // the decoder configuration is essential
    ipma += static_cast<char>(2);
    const Bytes iprp = box("iprp", ipco + fullBox("ipma", 0, 0, ipma));

    Bytes grid;
    grid += static_cast<char>(0);  // version
    grid += static_cast<char>(1);  // flags: 32-bit output size
    grid += static_cast<char>(rows - 1);
    grid += static_cast<char>(columns - 1);
    put32(grid, static_cast<std::uint32_t>(tileSize * columns));
    put32(grid, static_cast<std::uint32_t>(tileSize * rows));
    const Bytes idat = box("idat", grid);

    Bytes hdlr;
    put32(hdlr, 0);
    hdlr = fullBox("hdlr", 0, 0, hdlr + "pict" + std::string(13, '\0'));
    Bytes pitm;
    put16(pitm, 1);
    pitm = fullBox("pitm", 0, 0, pitm);

    // Item locations: the grid in idat, the tile in mdat, found once the meta box's size
    // (which does not depend on the offset's value) is known.
    const auto iloc = [&](std::uint32_t tileOffset) {
        Bytes body;
        body += static_cast<char>(0x44);  // offset and length: 4 bytes
        body += static_cast<char>(0x00);  // no base offset, no index
        put16(body, 2);
        put16(body, 1);
        put16(body, 1);  // construction method: idat
        put16(body, 0);
        put16(body, 1);
        put32(body, 0);
        put32(body, static_cast<std::uint32_t>(grid.size()));
        put16(body, 2);
        put16(body, 0);  // construction method: file offset
        put16(body, 0);
        put16(body, 1);
        put32(body, tileOffset);
        put32(body, static_cast<std::uint32_t>(tileData.size()));
        return fullBox("iloc", 1, 0, body);
    };
    const auto meta = [&](std::uint32_t tileOffset) {
        return fullBox("meta", 0, 0, hdlr + pitm + iloc(tileOffset) + iinf + iref + iprp + idat);
    };
    const std::size_t tileOffset = ftyp.size() + meta(0).size() + 8;
    return ftyp + meta(static_cast<std::uint32_t>(tileOffset)) + box("mdat", tileData);
}

}  // namespace quorvel::converter::testing_support
