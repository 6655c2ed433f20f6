#include "platform/imaging/bitmap_convert.hpp"
#include "sample_bitmaps.hpp"

#include <gtest/gtest.h>

namespace slidemint {
namespace {

using testing::randomBitmap;

bool sameColors(const Bitmap& a, const Bitmap& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixelColor(x, y) != b.pixelColor(x, y)) return false;
    return true;
}

TEST(BitmapConvert, WideningKeepsEveryColour) {
    const PixelFormat formats[] = {PixelFormat::Indexed1, PixelFormat::Indexed4, PixelFormat::Indexed8,
                                   PixelFormat::Bgr24, PixelFormat::Bgra32};
    for (PixelFormat from : formats)
        for (PixelFormat to : formats) {
            if (bitsPerPixel(to) < bitsPerPixel(from)) continue;
            Bitmap source = randomBitmap(9, 3, from);
            Bitmap converted = convertBitmap(source, to);
            EXPECT_EQ(converted.pixelFormat(), to);
            EXPECT_TRUE(sameColors(converted, source)) << bitsPerPixel(from) << " -> " << bitsPerPixel(to);
        }
}

TEST(BitmapConvert, ReducingPicksTheNearestStandardColour) {
    Bitmap source(4, 1, PixelFormat::Bgr24);
    const std::uint32_t colors[] = {0x000010u, 0xF0F0F0u, 0x0000F0u, 0x7F7F7Fu};
    for (int x = 0; x < 4; ++x) source.setPixelColor(x, 0, colors[x]);
    Bitmap mono = convertBitmap(source, PixelFormat::Indexed1);
    EXPECT_EQ(mono.pixelColor(0, 0), 0x000000u);
    EXPECT_EQ(mono.pixelColor(1, 0), 0xFFFFFFu);
    Bitmap vga = convertBitmap(source, PixelFormat::Indexed4);
    EXPECT_EQ(vga.pixelColor(2, 0), 0x0000FFu);
    EXPECT_EQ(vga.pixelColor(3, 0), 0x808080u);
}

TEST(BitmapConvert, MonochromeHasBlackFirstEvenForAnInvertedPalette) {
    Bitmap inverted(3, 1, PixelFormat::Indexed1);
    inverted.palette() = {0xFFFFFFu, 0x000000u};
    inverted.setPixelIndex(1, 0, 1);  // the black pixel
    Bitmap mono = makeMonochrome(inverted);
    EXPECT_EQ(mono.palette(), (std::vector<std::uint32_t>{0x000000u, 0xFFFFFFu}));
    EXPECT_EQ(mono.pixelIndex(0, 0), 1u);
    EXPECT_EQ(mono.pixelIndex(1, 0), 0u);
}

TEST(BitmapConvert, StretchSamplesNearestPixels) {
    Bitmap source = randomBitmap(2, 2, PixelFormat::Bgr24);
    Bitmap big = stretchBitmap(source, 4, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(big.pixelColor(x, y), source.pixelColor(x / 2, y / 3));
}

TEST(BitmapConvert, DrawCopiesOrAndsAndClips) {
    Bitmap ground(3, 2, PixelFormat::Bgr24);
    ground.fill(0x00FF0Fu);
    Bitmap picture(2, 2, PixelFormat::Bgr24);
    picture.fill(0x0F00FFu);
    Bitmap copied = ground;
    drawBitmap(copied, picture, 2, 1);
    EXPECT_EQ(copied.pixelColor(2, 1), 0x0F00FFu);
    EXPECT_EQ(copied.pixelColor(1, 1), 0x00FF0Fu);
    EXPECT_EQ(copied.pixelColor(2, 0), 0x00FF0Fu);
    Bitmap anded = ground;
    drawBitmap(anded, picture, -1, 0, RasterOp::And);
    EXPECT_EQ(anded.pixelColor(0, 0), 0x00000Fu);
    EXPECT_EQ(anded.pixelColor(1, 1), 0x00FF0Fu);
}

}  // namespace
}  // namespace slidemint
