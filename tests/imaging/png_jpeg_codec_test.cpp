#include "platform/imaging/image_file_error.hpp"
#include "platform/imaging/jpeg_codec.hpp"
#include "platform/imaging/png_codec.hpp"
#include "sample_bitmaps.hpp"
#include "tests/support/bitmap_compare.hpp"

#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <cstring>

namespace slidemint {
namespace {

using testing::randomBitmap;
using Bytes = std::vector<std::uint8_t>;

Bytes writePng(int width, int height, std::uint32_t format, const Bytes& pixels) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = format;
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr);
    Bytes out(size);
    EXPECT_TRUE(png_image_write_to_memory(&image, out.data(), &size, 0, pixels.data(), 0, nullptr));
    out.resize(size);
    return out;
}

TEST(PngCodec, DecodesColourGreyAndAlphaImages) {
    struct Case {
        std::uint32_t format;
        int channels;
        PixelFormat expected;
    };
    const Case cases[] = {{PNG_FORMAT_RGB, 3, PixelFormat::Bgr24},
                          {PNG_FORMAT_GRAY, 1, PixelFormat::Bgr24},
                          {PNG_FORMAT_RGBA, 4, PixelFormat::Bgra32}};
    for (const Case& c : cases) {
        Bytes pixels(5 * 3 * static_cast<std::size_t>(c.channels));
        for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i * 37 + 11);
        if (c.channels == 4)
            for (std::size_t i = 3; i < pixels.size(); i += 4) pixels[i] = 0xFF;
        Bitmap bitmap = decodePng(writePng(5, 3, c.format, pixels), "memory");
        ASSERT_EQ(bitmap.pixelFormat(), c.expected);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const std::uint8_t* p = pixels.data() + (y * 5 + x) * c.channels;
                std::uint32_t expected = c.channels == 1 ? p[0] * 0x010101u : p[0] | p[1] << 8 | p[2] << 16;
                EXPECT_EQ(bitmap.pixelColor(x, y), expected) << c.channels << " channels at " << x << "," << y;
            }
    }
}

TEST(PngCodec, RejectsDamagedData) {
    Bytes good = writePng(4, 4, PNG_FORMAT_RGB, Bytes(48, 0x80));
    Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
    for (const Bytes& bad : {Bytes{}, Bytes{'n', 'o', 't', ' ', 'p', 'n', 'g'}, cut})
        EXPECT_THROW(decodePng(bad, "slide.png"), EInvalidImageFile);
}


Bitmap smoothBitmap(int width, int height) {
    Bitmap bitmap(width, height, PixelFormat::Bgr24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            auto r = static_cast<std::uint32_t>(x * 255 / width);
            auto g = static_cast<std::uint32_t>(y * 255 / height);
            auto b = static_cast<std::uint32_t>(128 + 100 * std::sin((x + y) / 9.0));
            bitmap.setPixelColor(x, y, r | g << 8 | b << 16);
        }
    return bitmap;
}

TEST(JpegCodec, EncodesBaselineJfifAndDecodesBack) {
    Bitmap source = smoothBitmap(67, 45);
    Bytes jpeg = encodeJpeg(source, 100);
    ASSERT_GT(jpeg.size(), 20u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    EXPECT_EQ(std::memcmp(jpeg.data() + 6, "JFIF", 4), 0);
    bool baselineFrame = false;
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i) baselineFrame |= jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0;
    EXPECT_TRUE(baselineFrame);
    JpegSize size = readJpegSize(jpeg, "memory");
    EXPECT_EQ(size.width, 67);
    EXPECT_EQ(size.height, 45);
    EXPECT_GE(test_support::Psnr(decodeJpeg(jpeg, "memory"), source), 40.0);
}

TEST(JpegCodec, LowerQualityGivesSmallerFilesAndOutOfRangeIsClamped) {
    Bitmap source = randomBitmap(64, 64, PixelFormat::Bgra32);
    EXPECT_LT(encodeJpeg(source, 10).size(), encodeJpeg(source, 90).size());
    EXPECT_EQ(encodeJpeg(source, 0), encodeJpeg(source, 1));
    EXPECT_EQ(encodeJpeg(source, 250), encodeJpeg(source, 100));
}

TEST(JpegCodec, RejectsDamagedDataAndEmptyBitmaps) {
    Bytes good = encodeJpeg(smoothBitmap(32, 32), 80);
    Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
    for (const Bytes& bad : {Bytes{}, Bytes{0xFF, 0xD8, 0xFF}, Bytes(100, 0x42), cut})
        EXPECT_THROW(decodeJpeg(bad, "slide.jpg"), EInvalidImageFile) << bad.size();
    EXPECT_THROW(readJpegSize(Bytes(10, 0), "slide.jpg"), EInvalidImageFile);
    EXPECT_THROW(encodeJpeg(Bitmap(), 100), ECompressionError);
}

}  // namespace
}  // namespace slidemint
