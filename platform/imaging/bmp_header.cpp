#include "platform/imaging/bmp_header.hpp"

#include "platform/imaging/image_file_error.hpp"

#include <climits>

namespace slidemint {

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t coreHeaderSize = 12;
constexpr std::uint32_t compressionRgb = 0;
constexpr std::uint32_t compressionBitFields = 3;
constexpr std::uint32_t compressionAlphaBitFields = 6;
constexpr int maxSide = 1 << 16;

class HeaderReader {
public:
    HeaderReader(std::span<const std::uint8_t> bytes, const std::string& sourceName)
        : bytes_(bytes), sourceName_(sourceName) {}

    [[noreturn]] void fail(const std::string& cause) const { throw EInvalidImageFile(sourceName_, cause); }

    void require(std::size_t end, const char* what) const {
        if (end > bytes_.size())
            fail(std::string("truncated ") + what + " (" + std::to_string(end) + " bytes needed, " +
                 std::to_string(bytes_.size()) + " present)");
    }

    std::uint32_t u16(std::size_t at) const { return bytes_[at] | (static_cast<std::uint32_t>(bytes_[at + 1]) << 8); }
    std::uint32_t u32(std::size_t at) const { return u16(at) | (u16(at + 2) << 16); }
    std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }
    std::size_t size() const { return bytes_.size(); }

private:
    std::span<const std::uint8_t> bytes_;
    const std::string& sourceName_;
};

bool knownInfoHeaderSize(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 64 || size == 108 || size == 124;
}

void readCoreHeader(const HeaderReader& in, BmpLayout& layout) {
    layout.width = static_cast<int>(in.u16(18));
    layout.height = static_cast<int>(in.u16(20));
    layout.bitsPerPixel = static_cast<int>(in.u16(24));
    layout.paletteEntrySize = 3;
}

void readSize(const HeaderReader& in, BmpLayout& layout) {
    std::int32_t width = in.i32(18);
    std::int32_t height = in.i32(22);
    if (width <= 0) in.fail("invalid bitmap width " + std::to_string(width));
    if (height == 0 || height == INT32_MIN) in.fail("invalid bitmap height " + std::to_string(height));
    layout.width = width;
    layout.topDown = height < 0;
    layout.height = height < 0 ? -height : height;
}

std::uint32_t readCompression(const HeaderReader& in, BmpLayout& layout) {
    std::uint32_t compression = in.u32(30);
    if (compression == compressionRgb) return compression;
    if (compression == compressionBitFields || compression == compressionAlphaBitFields) {
        if (layout.bitsPerPixel != 32)
            in.fail("bit-field masks with " + std::to_string(layout.bitsPerPixel) + " bits per pixel are not supported");
        layout.bitFields = true;
        return compression;
    }
    if (compression == 1 || compression == 2) in.fail("run-length compressed bitmaps are not supported");
    if (compression == 4 || compression == 5) in.fail("bitmaps holding JPEG or PNG data are not supported");
    in.fail("unknown compression " + std::to_string(compression));
}

// Masks follow a plain info header, or lie inside a longer one.
void readMasks(const HeaderReader& in, BmpLayout& layout, std::uint32_t infoSize, std::uint32_t compression) {
    std::size_t at = fileHeaderSize + 40;
    std::size_t count = compression == compressionAlphaBitFields ? 4 : 3;
    if (infoSize >= 56) count = 4;
    in.require(at + 4 * count, "bit-field masks");
    for (std::size_t i = 0; i < count; ++i) layout.masks[i] = in.u32(at + 4 * i);
    if (count == 3) layout.masks[3] = 0;
    if (infoSize == 40) layout.paletteOffset += 4 * count;
}

void readInfoHeader(const HeaderReader& in, BmpLayout& layout, std::uint32_t infoSize) {
    readSize(in, layout);
    layout.bitsPerPixel = static_cast<int>(in.u16(28));
    std::uint32_t compression = readCompression(in, layout);
    if (layout.bitFields) readMasks(in, layout, infoSize, compression);
    std::uint32_t colorsUsed = in.u32(46);
    if (layout.bitsPerPixel <= 8 && colorsUsed != 0) {
        if (colorsUsed > 256) in.fail("colour table of " + std::to_string(colorsUsed) + " entries is too large");
        layout.paletteEntries = colorsUsed;
    }
}

void checkDepthAndSize(const HeaderReader& in, BmpLayout& layout) {
    int bits = layout.bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        in.fail(std::to_string(bits) + " bits per pixel are not supported");
    if (layout.width <= 0 || layout.height <= 0) in.fail("the bitmap has no pixels");
    if (layout.width > maxSide || layout.height > maxSide)
        in.fail("bitmap of " + std::to_string(layout.width) + " x " + std::to_string(layout.height) + " pixels is too large");
    std::size_t full = std::size_t{1} << (bits <= 8 ? bits : 0);
    if (bits > 8) layout.paletteEntries = 0;
    else if (layout.paletteEntries == 0 || layout.paletteEntries > full) layout.paletteEntries = full;
    layout.stride = ((static_cast<std::size_t>(layout.width) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
}

void locatePixels(const HeaderReader& in, BmpLayout& layout, std::size_t headersEnd) {
    std::size_t paletteEnd = layout.paletteOffset + layout.paletteEntries * layout.paletteEntrySize;
    in.require(paletteEnd, "colour table");
    std::uint32_t offset = in.u32(10);
    if (offset == 0) offset = static_cast<std::uint32_t>(paletteEnd);
    if (offset < headersEnd)
        in.fail("pixel data offset " + std::to_string(offset) + " lies inside the headers");
    layout.pixelOffset = offset;
    std::size_t dataSize = layout.stride * static_cast<std::size_t>(layout.height);
    if (layout.pixelOffset > in.size() || dataSize > in.size() - layout.pixelOffset)
        in.fail("truncated pixel data (" + std::to_string(dataSize) + " bytes expected at offset " +
                std::to_string(layout.pixelOffset) + ", the data has " + std::to_string(in.size()) + " bytes)");
}

}  // namespace

BmpLayout parseBmpLayout(std::span<const std::uint8_t> bytes, const std::string& sourceName) {
    HeaderReader in(bytes, sourceName);
    in.require(2, "file header");
    if (bytes[0] != 'B' || bytes[1] != 'M') in.fail("not a Windows bitmap (no \"BM\" signature)");
    in.require(fileHeaderSize + 4, "file header");
    std::uint32_t infoSize = in.u32(fileHeaderSize);
    if (infoSize != coreHeaderSize && !knownInfoHeaderSize(infoSize))
        in.fail("unsupported bitmap header size " + std::to_string(infoSize));
    std::size_t headersEnd = fileHeaderSize + infoSize;
    in.require(headersEnd, "bitmap header");
    BmpLayout layout;
    layout.paletteOffset = headersEnd;
    if (infoSize == coreHeaderSize)
        readCoreHeader(in, layout);
    else
        readInfoHeader(in, layout, infoSize);
    checkDepthAndSize(in, layout);
    locatePixels(in, layout, headersEnd);
    return layout;
}

}  // namespace slidemint
