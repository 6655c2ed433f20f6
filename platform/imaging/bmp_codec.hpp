#pragma once

#include "platform/imaging/bitmap.hpp"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace slidemint {

// Row order of the pixel array in a Windows bitmap file.
enum class BmpRowOrder { BottomUp, TopDown };

// Decodes a Windows bitmap file held in memory: 1, 4, 8, 24 and 32 bits per
// pixel, uncompressed (32 bits also with bit-field masks), bottom-up or
// top-down, with the core, info and later header versions. sourceName names
// the data in error messages. The file-size field of the file header is not
// trusted (some writers get it wrong); the pixel array size follows from the
// bitmap header and is checked against the real data. Any malformed or
// truncated file raises EInvalidImageFile.
Bitmap decodeBmp(std::span<const std::uint8_t> bytes, const std::string& sourceName);

// Reads and decodes a Windows bitmap file.
Bitmap readBmpFile(const std::string& path);

// Encodes a bitmap as a Windows bitmap file with an info header, a colour
// table for the indexed formats, and rows in the given order.
std::vector<std::uint8_t> encodeBmp(const Bitmap& bitmap, BmpRowOrder order = BmpRowOrder::BottomUp);

// Encodes a bitmap and writes it to a file.
void writeBmpFile(const std::string& path, const Bitmap& bitmap, BmpRowOrder order = BmpRowOrder::BottomUp);

}  // namespace slidemint
