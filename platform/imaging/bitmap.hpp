#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace slidemint {

// Pixel layouts of an in-memory bitmap. Rows are stored top-down with the
// device-independent-bitmap byte order: 24-bit pixels are B, G, R; 32-bit
// pixels are B, G, R, A; 1-, 4- and 8-bit pixels index the palette, the most
// significant bits holding the leftmost pixel.
enum class PixelFormat { Indexed1, Indexed4, Indexed8, Bgr24, Bgra32 };

int bitsPerPixel(PixelFormat format);

// An uncompressed raster image. Copying a Bitmap copies its pixels.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, PixelFormat format);

    int width() const { return width_; }
    int height() const { return height_; }
    PixelFormat pixelFormat() const { return format_; }
    bool empty() const { return width_ == 0 || height_ == 0; }

    // Bytes per row, padded to a multiple of four as in a Windows bitmap.
    std::size_t stride() const { return stride_; }

    // Row y counted from the top.
    std::uint8_t* scanLine(int y);
    const std::uint8_t* scanLine(int y) const;

    // Colour table of indexed formats, each entry 0x00BBGGRR. A new indexed
    // bitmap gets a grey ramp (black first, white last).
    std::vector<std::uint32_t>& palette() { return palette_; }
    const std::vector<std::uint32_t>& palette() const { return palette_; }

    // Colour of pixel (x, y) as 0x00BBGGRR, whatever the format.
    std::uint32_t pixelColor(int x, int y) const;

    // Sets pixel (x, y) to a 0x00BBGGRR colour; indexed formats take the
    // nearest palette entry. A 32-bit pixel becomes opaque.
    void setPixelColor(int x, int y, std::uint32_t color);

    // Raw palette index of an indexed pixel (0 for the direct formats).
    unsigned pixelIndex(int x, int y) const;
    void setPixelIndex(int x, int y, unsigned index);

    // Palette entry closest to a colour (squared RGB distance, first wins).
    unsigned nearestPaletteIndex(std::uint32_t color) const;

    // Paints every pixel with one colour.
    void fill(std::uint32_t color);

    const std::vector<std::uint8_t>& bytes() const { return pixels_; }

    bool operator==(const Bitmap&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    PixelFormat format_ = PixelFormat::Bgr24;
    std::size_t stride_ = 0;
    std::vector<std::uint8_t> pixels_;
    std::vector<std::uint32_t> palette_;
};

}  // namespace slidemint
