#pragma once

#include "platform/imaging/bitmap.hpp"

#include <random>

namespace slidemint::testing {

// A bitmap whose every byte (padding excluded) and palette entry is random.
inline Bitmap randomBitmap(int width, int height, PixelFormat format, unsigned seed = 7) {
    Bitmap bitmap(width, height, format);
    std::mt19937 random(seed);
    for (auto& entry : bitmap.palette()) entry = random() & 0xFFFFFFu;
    std::size_t used = (static_cast<std::size_t>(width) * bitsPerPixel(format) + 7) / 8;
    for (int y = 0; y < height; ++y)
        for (std::size_t i = 0; i < used; ++i) bitmap.scanLine(y)[i] = static_cast<std::uint8_t>(random());
    // Bits past the last pixel of a row stay zero, as every writer leaves them.
    int spare = static_cast<int>(used * 8 - static_cast<std::size_t>(width) * bitsPerPixel(format));
    for (int y = 0; y < height && spare > 0; ++y)
        bitmap.scanLine(y)[used - 1] &= static_cast<std::uint8_t>(0xFF << spare);
    return bitmap;
}

}  // namespace slidemint::testing
