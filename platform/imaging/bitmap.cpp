#include "platform/imaging/bitmap.hpp"

#include <stdexcept>

namespace slidemint {

int bitsPerPixel(PixelFormat format) {
    switch (format) {
    case PixelFormat::Indexed1: return 1;
    case PixelFormat::Indexed4: return 4;
    case PixelFormat::Indexed8: return 8;
    case PixelFormat::Bgr24: return 24;
    case PixelFormat::Bgra32: return 32;
    }
    return 24;
}

Bitmap::Bitmap(int width, int height, PixelFormat format) : format_(format) {
    if (width < 0 || height < 0) throw std::invalid_argument("Bitmap: negative size");
    constexpr int maxSide = 1 << 16;
    if (width > maxSide || height > maxSide) throw std::invalid_argument("Bitmap: size too large");
    width_ = width;
    height_ = height;
    stride_ = ((static_cast<std::size_t>(width) * bitsPerPixel(format) + 31) / 32) * 4;
    pixels_.assign(stride_ * static_cast<std::size_t>(height), 0);
    int bits = bitsPerPixel(format);
    if (bits <= 8) {
        int entries = 1 << bits;
        palette_.resize(entries);
        for (int i = 0; i < entries; ++i) {
            std::uint32_t level = static_cast<std::uint32_t>(i * 255 / (entries - 1));
            palette_[i] = level | (level << 8) | (level << 16);
        }
    }
}

std::uint8_t* Bitmap::scanLine(int y) {
    return pixels_.data() + stride_ * static_cast<std::size_t>(y);
}

const std::uint8_t* Bitmap::scanLine(int y) const {
    return pixels_.data() + stride_ * static_cast<std::size_t>(y);
}

std::uint32_t Bitmap::pixelColor(int x, int y) const {
    const std::uint8_t* row = scanLine(y);
    auto bgr = [](const std::uint8_t* p) {
        return static_cast<std::uint32_t>(p[2]) | (static_cast<std::uint32_t>(p[1]) << 8) |
               (static_cast<std::uint32_t>(p[0]) << 16);
    };
    auto paletteEntry = [this](unsigned index) {
        return index < palette_.size() ? palette_[index] : 0u;
    };
    switch (format_) {
    case PixelFormat::Indexed1: return paletteEntry((row[x / 8] >> (7 - x % 8)) & 1);
    case PixelFormat::Indexed4: return paletteEntry((row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F);
    case PixelFormat::Indexed8: return paletteEntry(row[x]);
    case PixelFormat::Bgr24: return bgr(row + 3 * static_cast<std::size_t>(x));
    case PixelFormat::Bgra32: return bgr(row + 4 * static_cast<std::size_t>(x));
    }
    return 0;
}

}  // namespace slidemint
