#pragma once

#include "platform/imaging/bitmap.hpp"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace slidemint {

struct JpegSize {
    int width = 0;
    int height = 0;
};

// Encodes a bitmap as a baseline JFIF file with three colour components at an
// IJG quality of 1-100 (values outside are clamped), with the library's
// defaults otherwise. Bitmaps that are not 24-bit are converted first.
std::vector<std::uint8_t> encodeJpeg(const Bitmap& bitmap, int quality);

// Decodes JPEG data (greyscale or colour) into a 24-bit bitmap. Damaged data
// raises EInvalidImageFile naming sourceName.
Bitmap decodeJpeg(std::span<const std::uint8_t> bytes, const std::string& sourceName);

// Pixel size from the frame header alone, without decoding the image.
JpegSize readJpegSize(std::span<const std::uint8_t> bytes, const std::string& sourceName);

// Reads and decodes a JPEG file.
Bitmap readJpegFile(const std::string& path);

}  // namespace slidemint
