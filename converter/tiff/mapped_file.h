#pragma once
// A whole file mapped read-only: a byte span over it, without reading it into memory first.
#include <cstdint>
#include <span>
#include <string>

namespace quorvel::converter {

class MappedFile {
public:
    explicit MappedFile(const std::string& path);  // empty() when it cannot be mapped
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::span<const std::uint8_t> bytes() const { return {m_data, m_size}; }
    bool empty() const { return m_size == 0; }

private:
    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
};

}  // namespace quorvel::converter
