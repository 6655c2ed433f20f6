#include "platform/imaging/bitmap.hpp"

#include <algorithm>
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

namespace {

std::uint32_t colorFromBgr(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[2]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[0]) << 16);
}

void storeBgr(std::uint8_t* p, std::uint32_t color) {
    p[0] = static_cast<std::uint8_t>(color >> 16);
    p[1] = static_cast<std::uint8_t>(color >> 8);
    p[2] = static_cast<std::uint8_t>(color);
}

int channelDistance(std::uint32_t a, std::uint32_t b, int shift) {
    int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    return d * d;
}

}  // namespace

unsigned Bitmap::pixelIndex(int x, int y) const {
    const std::uint8_t* row = scanLine(y);
    switch (format_) {
    case PixelFormat::Indexed1: return (row[x / 8] >> (7 - x % 8)) & 1u;
    case PixelFormat::Indexed4: return (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0Fu;
    case PixelFormat::Indexed8: return row[x];
    case PixelFormat::Bgr24:
    case PixelFormat::Bgra32: break;
    }
    return 0;
}

void Bitmap::setPixelIndex(int x, int y, unsigned index) {
    std::uint8_t* row = scanLine(y);
    switch (format_) {
    case PixelFormat::Indexed1: {
        auto mask = static_cast<std::uint8_t>(0x80u >> (x % 8));
        row[x / 8] = static_cast<std::uint8_t>((index & 1u) ? (row[x / 8] | mask) : (row[x / 8] & ~mask));
        break;
    }
    case PixelFormat::Indexed4: {
        int shift = x % 2 == 0 ? 4 : 0;
        row[x / 2] = static_cast<std::uint8_t>((row[x / 2] & ~(0x0F << shift)) | ((index & 0x0Fu) << shift));
        break;
    }
    case PixelFormat::Indexed8: row[x] = static_cast<std::uint8_t>(index); break;
    case PixelFormat::Bgr24:
    case PixelFormat::Bgra32: break;
    }
}

std::uint32_t Bitmap::pixelColor(int x, int y) const {
    const std::uint8_t* row = scanLine(y);
    switch (format_) {
    case PixelFormat::Bgr24: return colorFromBgr(row + 3 * static_cast<std::size_t>(x));
    case PixelFormat::Bgra32: return colorFromBgr(row + 4 * static_cast<std::size_t>(x));
    default: break;
    }
    unsigned index = pixelIndex(x, y);
    return index < palette_.size() ? palette_[index] : 0u;
}

void Bitmap::setPixelColor(int x, int y, std::uint32_t color) {
    std::uint8_t* row = scanLine(y);
    switch (format_) {
    case PixelFormat::Bgr24: storeBgr(row + 3 * static_cast<std::size_t>(x), color); return;
    case PixelFormat::Bgra32: {
        std::uint8_t* p = row + 4 * static_cast<std::size_t>(x);
        storeBgr(p, color);
        p[3] = 0xFF;
        return;
    }
    default: setPixelIndex(x, y, nearestPaletteIndex(color)); return;
    }
}

unsigned Bitmap::nearestPaletteIndex(std::uint32_t color) const {
    unsigned best = 0;
    int bestDistance = 1 << 30;
    for (std::size_t i = 0; i < palette_.size(); ++i) {
        int distance = channelDistance(color, palette_[i], 0) + channelDistance(color, palette_[i], 8) +
                       channelDistance(color, palette_[i], 16);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<unsigned>(i);
        }
    }
    return best;
}

void Bitmap::fill(std::uint32_t color) {
    if (empty()) return;
    for (int x = 0; x < width_; ++x) setPixelColor(x, 0, color);
    for (int y = 1; y < height_; ++y) std::copy(scanLine(0), scanLine(0) + stride_, scanLine(y));
}

}  // namespace slidemint
