#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>

namespace slidemint::test {

// The fields of a Windows bitmap file's headers the tests look at, read
// straight from the bytes (little-endian).
struct BmpHeaderFields {
    bool signatureOk = false;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t fileSizeField = 0;
    std::uintmax_t realFileSize = 0;
};

inline BmpHeaderFields readBmpHeaderFields(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    unsigned char bytes[30] = {};
    in.read(reinterpret_cast<char*>(bytes), sizeof bytes);
    auto u32 = [&](int at) {
        return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
               static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
    };
    BmpHeaderFields fields;
    fields.signatureOk = in.gcount() == sizeof bytes && bytes[0] == 'B' && bytes[1] == 'M';
    fields.fileSizeField = u32(2);
    fields.width = static_cast<std::int32_t>(u32(18));
    fields.height = static_cast<std::int32_t>(u32(22));
    fields.bitsPerPixel = static_cast<std::uint16_t>(bytes[28] | bytes[29] << 8);
    std::error_code error;
    fields.realFileSize = std::filesystem::file_size(file, error);
    return fields;
}

}  // namespace slidemint::test
