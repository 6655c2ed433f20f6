#pragma once

#include "platform/imaging/bitmap.hpp"

#include <cstdint>
#include <span>
#include <string>

namespace slidemint {

// Decodes a PNG image held in memory (any colour type and depth) into a
// 24-bit bitmap, or a 32-bit one when the image has transparency. A damaged
// image raises EInvalidImageFile naming sourceName.
Bitmap decodePng(std::span<const std::uint8_t> bytes, const std::string& sourceName);

// Reads and decodes a PNG file.
Bitmap readPngFile(const std::string& path);

}  // namespace slidemint
