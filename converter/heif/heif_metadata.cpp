#include "heif/heif_metadata.h"

#include <cstring>
#include <string_view>

#include "colour/nclx_profile.h"
#include "tiff/tiff_bytes.h"

namespace quorvel::converter {
namespace {

constexpr std::uint8_t kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};

std::vector<std::uint8_t> itemBytes(const heif_image_handle* handle, heif_item_id id) {
    std::vector<std::uint8_t> item(heif_image_handle_get_metadata_size(handle, id));
    if (item.empty() ||
        heif_image_handle_get_metadata(handle, id, item.data()).code != heif_error_Ok)
        return {};
    return item;
}

std::vector<std::uint8_t> firstExifItem(const heif_image_handle* handle) {
    heif_item_id id = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(handle, "Exif", &id, 1) < 1) return {};
    return itemBytes(handle, id);
}

}  // namespace

std::vector<std::uint8_t> heifExif(const heif_image_handle* handle) {
    const std::vector<std::uint8_t> item = firstExifItem(handle);
    // The item starts with a big-endian offset from its fifth byte to the TIFF header;
    // writers differ in whether "Exif\0\0" sits in between.
    const auto offset = tiff::read32(item, 0, tiff::ByteOrder::Big);
    if (!offset || *offset > item.size() - 4) return {};
    std::size_t start = 4 + *offset;
    if (item.size() - start >= 6 && std::memcmp(item.data() + start, kExifHeader, 6) == 0)
        start += 6;
    const std::span<const std::uint8_t> structure(item.data() + start, item.size() - start);
    if (!tiff::headerOrder(structure)) return {};
    return {structure.begin(), structure.end()};
}

std::vector<std::uint8_t> heifXmp(const heif_image_handle* handle) {
    const int count = heif_image_handle_get_number_of_metadata_blocks(handle, "mime");
    if (count <= 0) return {};
    std::vector<heif_item_id> ids(static_cast<std::size_t>(count));
    heif_image_handle_get_list_of_metadata_block_IDs(handle, "mime", ids.data(), count);
    for (heif_item_id id : ids) {
        const char* type = heif_image_handle_get_metadata_content_type(handle, id);
        if (type && std::string_view(type) == "application/rdf+xml") return itemBytes(handle, id);
    }
    return {};
}

PhotoMetadata heifMetadata(const heif_image_handle* handle) {
    return metadataOfBlocks(heifExif(handle), {}, heifXmp(handle));
}

std::vector<std::uint8_t> heifIccProfile(const heif_image_handle* handle) {
    const auto type = heif_image_handle_get_color_profile_type(handle);
    if (type == heif_color_profile_type_nclx) {
        heif_color_profile_nclx* nclx = nullptr;
        if (heif_image_handle_get_nclx_color_profile(handle, &nclx).code != heif_error_Ok)
            return {};
        std::vector<std::uint8_t> profile = iccFromNclx(*nclx);
        heif_nclx_color_profile_free(nclx);
        return profile;
    }
    if (type != heif_color_profile_type_prof && type != heif_color_profile_type_rICC) return {};
    std::vector<std::uint8_t> profile(heif_image_handle_get_raw_color_profile_size(handle));
    if (profile.empty() ||
        heif_image_handle_get_raw_color_profile(handle, profile.data()).code != heif_error_Ok)
        return {};
    return profile;
}

}  // namespace quorvel::converter
