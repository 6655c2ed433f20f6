#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace slidemint {

// The parts of a Windows bitmap's file and bitmap headers that decoding needs,
// checked for consistency with the size of the data.
struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    bool bitFields = false;
    std::uint32_t masks[4] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u};  // R, G, B, A
    std::size_t paletteOffset = 0;
    std::size_t paletteEntries = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t pixelOffset = 0;
    std::size_t stride = 0;
};

// Parses and validates the headers; EInvalidImageFile names sourceName and
// the defect.
BmpLayout parseBmpLayout(std::span<const std::uint8_t> bytes, const std::string& sourceName);

}  // namespace slidemint
