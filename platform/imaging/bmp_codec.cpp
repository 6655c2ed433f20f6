#include "platform/imaging/bmp_codec.hpp"

#include "platform/imaging/bmp_header.hpp"
#include "platform/imaging/image_file.hpp"

#include <algorithm>
#include <bit>

namespace slidemint {

namespace {

PixelFormat formatForDepth(int bits) {
    switch (bits) {
    case 1: return PixelFormat::Indexed1;
    case 4: return PixelFormat::Indexed4;
    case 8: return PixelFormat::Indexed8;
    case 24: return PixelFormat::Bgr24;
    default: return PixelFormat::Bgra32;
    }
}

std::vector<std::uint32_t> readPalette(std::span<const std::uint8_t> bytes, const BmpLayout& layout) {
    std::vector<std::uint32_t> palette(layout.paletteEntries);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::uint8_t* entry = bytes.data() + layout.paletteOffset + i * layout.paletteEntrySize;
        palette[i] = static_cast<std::uint32_t>(entry[2]) | (static_cast<std::uint32_t>(entry[1]) << 8) |
                     (static_cast<std::uint32_t>(entry[0]) << 16);
    }
    return palette;
}

// One channel picked out of a 32-bit pixel by its mask and scaled to 8 bits.
std::uint8_t maskedChannel(std::uint32_t pixel, std::uint32_t mask, std::uint8_t whenNoMask) {
    if (mask == 0) return whenNoMask;
    int shift = std::countr_zero(mask);
    std::uint32_t top = mask >> shift;
    std::uint32_t value = (pixel & mask) >> shift;
    return static_cast<std::uint8_t>(top == 0xFF ? value : (static_cast<std::uint64_t>(value) * 255 + top / 2) / top);
}

void unpackBitFieldRow(const std::uint8_t* in, std::uint8_t* out, int width, const BmpLayout& layout) {
    for (int x = 0; x < width; ++x, in += 4, out += 4) {
        std::uint32_t pixel = in[0] | (in[1] << 8) | (in[2] << 16) | (static_cast<std::uint32_t>(in[3]) << 24);
        out[0] = maskedChannel(pixel, layout.masks[2], 0);
        out[1] = maskedChannel(pixel, layout.masks[1], 0);
        out[2] = maskedChannel(pixel, layout.masks[0], 0);
        out[3] = maskedChannel(pixel, layout.masks[3], 0xFF);
    }
}

std::uint8_t* putU16(std::uint8_t* at, std::uint32_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
    return at + 2;
}

std::uint8_t* putU32(std::uint8_t* at, std::uint32_t value) { return putU16(putU16(at, value), value >> 16); }

constexpr std::uint32_t pixelsPerMetreAt96Dpi = 3780;

}  // namespace

Bitmap decodeBmp(std::span<const std::uint8_t> bytes, const std::string& sourceName) {
    BmpLayout layout = parseBmpLayout(bytes, sourceName);
    Bitmap bitmap(layout.width, layout.height, formatForDepth(layout.bitsPerPixel));
    if (layout.bitsPerPixel <= 8) bitmap.palette() = readPalette(bytes, layout);
    for (int y = 0; y < layout.height; ++y) {
        int fileRow = layout.topDown ? y : layout.height - 1 - y;
        const std::uint8_t* in = bytes.data() + layout.pixelOffset + layout.stride * static_cast<std::size_t>(fileRow);
        if (layout.bitFields)
            unpackBitFieldRow(in, bitmap.scanLine(y), layout.width, layout);
        else
            std::copy(in, in + layout.stride, bitmap.scanLine(y));
    }
    return bitmap;
}

Bitmap readBmpFile(const std::string& path) { return decodeBmp(readImageFileBytes(path), path); }

std::vector<std::uint8_t> encodeBmp(const Bitmap& bitmap, BmpRowOrder order) {
    constexpr std::size_t headersSize = 14 + 40;
    int bits = bitsPerPixel(bitmap.pixelFormat());
    std::size_t paletteEntries = bits <= 8 ? bitmap.palette().size() : 0;
    std::size_t pixelOffset = headersSize + 4 * paletteEntries;
    std::size_t dataSize = bitmap.stride() * static_cast<std::size_t>(bitmap.height());
    std::vector<std::uint8_t> file(pixelOffset + dataSize, 0);
    std::uint8_t* at = file.data();
    *at++ = 'B';
    *at++ = 'M';
    at = putU32(at, static_cast<std::uint32_t>(file.size()));
    at = putU32(at, 0);
    at = putU32(at, static_cast<std::uint32_t>(pixelOffset));
    at = putU32(at, 40);
    at = putU32(at, static_cast<std::uint32_t>(bitmap.width()));
    at = putU32(at, static_cast<std::uint32_t>(order == BmpRowOrder::TopDown ? -bitmap.height() : bitmap.height()));
    at = putU16(at, 1);
    at = putU16(at, static_cast<std::uint32_t>(bits));
    at = putU32(at, 0);
    at = putU32(at, static_cast<std::uint32_t>(dataSize));
    at = putU32(at, pixelsPerMetreAt96Dpi);
    at = putU32(at, pixelsPerMetreAt96Dpi);
    bool fullPalette = bits <= 8 && paletteEntries == (std::size_t{1} << bits);
    at = putU32(at, fullPalette ? 0 : static_cast<std::uint32_t>(paletteEntries));
    at = putU32(at, 0);
    for (std::size_t i = 0; i < paletteEntries; ++i) {
        std::uint32_t color = bitmap.palette()[i];
        at = putU32(at, ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF));
    }
    for (int y = 0; y < bitmap.height(); ++y) {
        int fileRow = order == BmpRowOrder::TopDown ? y : bitmap.height() - 1 - y;
        std::copy(bitmap.scanLine(y), bitmap.scanLine(y) + bitmap.stride(),
                  file.data() + pixelOffset + bitmap.stride() * static_cast<std::size_t>(fileRow));
    }
    return file;
}

void writeBmpFile(const std::string& path, const Bitmap& bitmap, BmpRowOrder order) {
    writeImageFileBytes(path, encodeBmp(bitmap, order));
}

}  // namespace slidemint
