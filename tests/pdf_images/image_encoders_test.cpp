#include "pdf/images/image_encoders.hpp"
#include "platform/imaging/bitmap_convert.hpp"
#include "platform/imaging/jpeg_codec.hpp"
#include "poppler_render.hpp"
#include "tests/support/bitmap_compare.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace slidemint {
namespace {

using testing::ImageObject;

Bitmap randomColours(int width, int height) {
    Bitmap bitmap(width, height, PixelFormat::Bgr24);
    std::mt19937 random(11);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bitmap.setPixelColor(x, y, random() & 0xFFFFFFu);
    return bitmap;
}

// Gradients and soft waves, like a rendered slide.
Bitmap slideLike(int width, int height) {
    Bitmap bitmap(width, height, PixelFormat::Bgr24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            auto r = static_cast<std::uint32_t>(x * 255 / width);
            auto g = static_cast<std::uint32_t>(128 + 120 * std::sin(y / 7.0));
            auto b = static_cast<std::uint32_t>(128 + 100 * std::cos((x + 2 * y) / 15.0));
            bitmap.setPixelColor(x, y, r | g << 8 | b << 16);
        }
    return bitmap;
}

std::string rgbEntries(int width, int height, const std::string& filter) {
    return "/Type/XObject/Subtype/Image/Width " + std::to_string(width) + "/Height " + std::to_string(height) +
           "/BitsPerComponent 8" + filter + "/ColorSpace/DeviceRGB";
}


TEST(BitmapToRgb, SwapsToRgbOrderWithoutRowPadding) {
    Bitmap bitmap(2, 2, PixelFormat::Bgr24);
    bitmap.setPixelColor(0, 0, 0x030201u);
    bitmap.setPixelColor(1, 1, 0x060504u);
    EXPECT_EQ(BitmapToRGB(bitmap), std::string("\x01\x02\x03\0\0\0\0\0\0\x04\x05\x06", 12));
    Bitmap indexed(5, 3, PixelFormat::Indexed4);
    EXPECT_EQ(BitmapToRGB(indexed).size(), 5u * 3u * 3u);
}

TEST(BitmapToRgb, PopplerShowsFlateCompressedSamplesExactly) {
    if (!testing::popplerAvailable()) GTEST_SKIP() << "pdftoppm is not installed";
    for (PixelFormat format : {PixelFormat::Bgr24, PixelFormat::Bgra32, PixelFormat::Indexed8}) {
        Bitmap source = convertBitmap(randomColours(37, 23), format);
        ImageObject image{rgbEntries(37, 23, FilterEntry(ifBMP, true)), testing::deflate(BitmapToRGB(source))};
        Bitmap page = testing::renderWithPoppler(testing::singleImagePdf(image, 37, 23), false);
        for (int y = 0; y < 23; ++y)
            for (int x = 0; x < 37; ++x)
                ASSERT_EQ(page.pixelColor(x, y), source.pixelColor(x, y)) << x << "," << y;
    }
}

TEST(EncodeJpeg, PopplerShowsQuality100WithinForty) {
    if (!testing::popplerAvailable()) GTEST_SKIP() << "pdftoppm is not installed";
    Bitmap source = slideLike(320, 240);
    ImageObject image{rgbEntries(320, 240, FilterEntry(ifJPEG, true)), EncodeJPEG(source, 100)};
    Bitmap page = testing::renderWithPoppler(testing::singleImagePdf(image, 320, 240), false);
    double quality = test_support::Psnr(page, source);
    EXPECT_GE(quality, 40.0);
    RecordProperty("psnr", std::to_string(quality));
}

TEST(EncodeJpeg, GrowsASingleRowToTwo) {
    for (int width : {1, 5}) {
        std::string jpeg = EncodeJPEG(randomColours(width, 1), 100);
        JpegSize size = readJpegSize(std::vector<std::uint8_t>(jpeg.begin(), jpeg.end()), "memory");
        EXPECT_EQ(size.width, width);
        EXPECT_EQ(size.height, 2);
    }
}

TEST(FilterEntry, NamesTheFilterOfEachFormat) {
    EXPECT_EQ(FilterEntry(ifBMP, true), "/Filter/FlateDecode");
    EXPECT_EQ(FilterEntry(ifBMP, false), "");
    EXPECT_EQ(FilterEntry(ifJPEG, false), "/Filter/DCTDecode");
    EXPECT_EQ(FilterEntry(ifCCITT3, true), "/Filter[/CCITTFaxDecode]");
    EXPECT_EQ(FilterEntry(ifCCITT4, false), "/Filter[/CCITTFaxDecode]");
}

}  // namespace
}  // namespace slidemint
