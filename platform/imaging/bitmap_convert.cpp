#include "platform/imaging/bitmap_convert.hpp"

#include <algorithm>
#include <unordered_map>

namespace slidemint {

namespace {

std::uint32_t rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

std::vector<std::uint32_t> vgaPalette() {
    return {rgb(0, 0, 0),       rgb(128, 0, 0),   rgb(0, 128, 0),   rgb(128, 128, 0),
            rgb(0, 0, 128),     rgb(128, 0, 128), rgb(0, 128, 128), rgb(192, 192, 192),
            rgb(128, 128, 128), rgb(255, 0, 0),   rgb(0, 255, 0),   rgb(255, 255, 0),
            rgb(0, 0, 255),     rgb(255, 0, 255), rgb(0, 255, 255), rgb(255, 255, 255)};
}

std::vector<std::uint32_t> cubePalette() {
    std::vector<std::uint32_t> palette;
    for (unsigned r = 0; r < 6; ++r)
        for (unsigned g = 0; g < 6; ++g)
            for (unsigned b = 0; b < 6; ++b) palette.push_back(rgb(r * 51, g * 51, b * 51));
    while (palette.size() < 256) {
        unsigned level = static_cast<unsigned>((palette.size() - 216) * 255 / 39);
        palette.push_back(rgb(level, level, level));
    }
    return palette;
}

bool isIndexed(PixelFormat format) { return bitsPerPixel(format) <= 8; }

// Palette index in the target for each palette entry of an indexed source.
std::vector<unsigned> indexTranslation(const Bitmap& source, const Bitmap& target, bool keepIndices) {
    std::vector<unsigned> table(source.palette().size());
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = keepIndices ? static_cast<unsigned>(i) : target.nearestPaletteIndex(source.palette()[i]);
    return table;
}

void copyIndexedToIndexed(const Bitmap& source, Bitmap& target, const std::vector<unsigned>& table) {
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            unsigned index = source.pixelIndex(x, y);
            target.setPixelIndex(x, y, index < table.size() ? table[index] : 0);
        }
}

void copyDirectToIndexed(const Bitmap& source, Bitmap& target) {
    std::unordered_map<std::uint32_t, unsigned> cache;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            std::uint32_t color = source.pixelColor(x, y);
            auto found = cache.find(color);
            if (found == cache.end()) found = cache.emplace(color, target.nearestPaletteIndex(color)).first;
            target.setPixelIndex(x, y, found->second);
        }
}

void copyBgr24ToBgra32(const Bitmap& source, Bitmap& target) {
    for (int y = 0; y < source.height(); ++y) {
        const std::uint8_t* in = source.scanLine(y);
        std::uint8_t* out = target.scanLine(y);
        for (int x = 0; x < source.width(); ++x, in += 3, out += 4) {
            std::copy(in, in + 3, out);
            out[3] = 0xFF;
        }
    }
}

void copyBgra32ToBgr24(const Bitmap& source, Bitmap& target) {
    for (int y = 0; y < source.height(); ++y) {
        const std::uint8_t* in = source.scanLine(y);
        std::uint8_t* out = target.scanLine(y);
        for (int x = 0; x < source.width(); ++x, in += 4, out += 3) std::copy(in, in + 3, out);
    }
}

void copyAnyToDirect(const Bitmap& source, Bitmap& target) {
    if (source.pixelFormat() == PixelFormat::Bgr24 && target.pixelFormat() == PixelFormat::Bgra32)
        return copyBgr24ToBgra32(source, target);
    if (source.pixelFormat() == PixelFormat::Bgra32 && target.pixelFormat() == PixelFormat::Bgr24)
        return copyBgra32ToBgr24(source, target);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) target.setPixelColor(x, y, source.pixelColor(x, y));
}

Bitmap reduceColors(const Bitmap& source, PixelFormat target, bool forceStandardPalette) {
    Bitmap result(source.width(), source.height(), target);
    std::size_t capacity = std::size_t{1} << bitsPerPixel(target);
    bool keepPalette = !forceStandardPalette && isIndexed(source.pixelFormat()) &&
                       source.palette().size() <= capacity;
    if (keepPalette) {
        result.palette() = source.palette();
        copyIndexedToIndexed(source, result, indexTranslation(source, result, true));
        return result;
    }
    result.palette() = standardPalette(target);
    if (isIndexed(source.pixelFormat()))
        copyIndexedToIndexed(source, result, indexTranslation(source, result, false));
    else
        copyDirectToIndexed(source, result);
    return result;
}

}  // namespace

std::vector<std::uint32_t> standardPalette(PixelFormat format) {
    switch (format) {
    case PixelFormat::Indexed1: return {rgb(0, 0, 0), rgb(255, 255, 255)};
    case PixelFormat::Indexed4: return vgaPalette();
    case PixelFormat::Indexed8: return cubePalette();
    case PixelFormat::Bgr24:
    case PixelFormat::Bgra32: break;
    }
    return {};
}

Bitmap convertBitmap(const Bitmap& source, PixelFormat target) {
    if (source.pixelFormat() == target) return source;
    if (isIndexed(target)) return reduceColors(source, target, false);
    Bitmap result(source.width(), source.height(), target);
    copyAnyToDirect(source, result);
    return result;
}

Bitmap makeMonochrome(const Bitmap& source) { return reduceColors(source, PixelFormat::Indexed1, true); }

Bitmap stretchBitmap(const Bitmap& source, int width, int height) {
    Bitmap result(width, height, source.pixelFormat());
    result.palette() = source.palette();
    if (source.empty() || result.empty()) return result;
    for (int y = 0; y < height; ++y) {
        int sy = static_cast<int>(static_cast<long long>(y) * source.height() / height);
        for (int x = 0; x < width; ++x) {
            int sx = static_cast<int>(static_cast<long long>(x) * source.width() / width);
            if (isIndexed(source.pixelFormat()))
                result.setPixelIndex(x, y, source.pixelIndex(sx, sy));
            else
                result.setPixelColor(x, y, source.pixelColor(sx, sy));
        }
    }
    return result;
}

void drawBitmap(Bitmap& target, const Bitmap& source, int x, int y, RasterOp op) {
    int left = std::max(0, x);
    int top = std::max(0, y);
    int right = std::min(target.width(), x + source.width());
    int bottom = std::min(target.height(), y + source.height());
    bool sameDirectFormat = !isIndexed(target.pixelFormat()) && source.pixelFormat() == target.pixelFormat();
    if (op == RasterOp::Copy && sameDirectFormat) {
        std::size_t bytesPerPixel = static_cast<std::size_t>(bitsPerPixel(target.pixelFormat()) / 8);
        for (int ty = top; ty < bottom; ++ty) {
            const std::uint8_t* from = source.scanLine(ty - y) + bytesPerPixel * static_cast<std::size_t>(left - x);
            std::copy(from, from + bytesPerPixel * static_cast<std::size_t>(std::max(0, right - left)),
                      target.scanLine(ty) + bytesPerPixel * static_cast<std::size_t>(left));
        }
        return;
    }
    for (int ty = top; ty < bottom; ++ty)
        for (int tx = left; tx < right; ++tx) {
            std::uint32_t color = source.pixelColor(tx - x, ty - y);
            if (op == RasterOp::And) color &= target.pixelColor(tx, ty);
            target.setPixelColor(tx, ty, color);
        }
}

}  // namespace slidemint
