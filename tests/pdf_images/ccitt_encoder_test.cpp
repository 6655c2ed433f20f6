#include "pdf/images/ccitt_encoder.hpp"
#include "poppler_render.hpp"

#include <gtest/gtest.h>

#include <random>

namespace slidemint {
namespace {

using testing::ImageObject;

// Rows that exercise every coding path: blank and solid rows, pixel-wide
// alternation (both phases), long runs that need make-up and extended
// make-up codes, and random content of short and long runs.
Bitmap faxSample(int width, unsigned seed) {
    constexpr int rows = 9;
    Bitmap bitmap(width, rows, PixelFormat::Indexed1);
    bitmap.palette() = {0x000000u, 0xFFFFFFu};
    std::mt19937 random(seed);
    auto set = [&](int x, int y, bool white) { bitmap.setPixelIndex(x, y, white ? 1 : 0); };
    for (int x = 0; x < width; ++x) {
        set(x, 0, true);
        set(x, 1, false);
        set(x, 2, x % 2 == 0);
        set(x, 3, x % 2 == 1);
        set(x, 4, random() % 2 == 0);
        set(x, 5, x < width * 9 / 10);  // one long white run, then black
        set(x, 7, x == width / 2);      // a single white pixel in black
    }
    for (int y : {6, 8}) {
        bool white = random() % 2 == 0;
        for (int x = 0; x < width;) {
            int run = 1 + static_cast<int>(random() % (y == 6 ? 3000u : 40u));
            for (int end = std::min(width, x + run); x < end; ++x) set(x, y, white);
            white = !white;
        }
    }
    return bitmap;
}

ImageObject faxImage(const Bitmap& bitmap, TveOutputImageFormat format) {
    std::string k = format == ifCCITT4 ? "-1" : "0";
    return {"/Type/XObject/Subtype/Image/Width " + std::to_string(bitmap.width()) + "/Height " +
                std::to_string(bitmap.height()) + "/BitsPerComponent 1/Filter[/CCITTFaxDecode]" +
                "/ColorSpace/DeviceGray /DecodeParms [<</K " + k + " /Columns " + std::to_string(bitmap.width()) +
                " /Rows " + std::to_string(bitmap.height()) + " >>]",
            EncodeCCITT(bitmap, format)};
}

TEST(CcittEncoder, PopplerDecodesBothCodingsToTheSourcePixels) {
    if (!testing::popplerAvailable()) GTEST_SKIP() << "pdftoppm is not installed";
    for (int width : {1, 7, 8, 1728, 2560, 3000})
        for (TveOutputImageFormat format : {ifCCITT3, ifCCITT4}) {
            Bitmap source = faxSample(width, static_cast<unsigned>(width));
            Bitmap page = testing::renderWithPoppler(
                testing::singleImagePdf(faxImage(source, format), width, source.height()), true);
            ASSERT_EQ(page.width(), width);
            ASSERT_EQ(page.height(), source.height());
            int wrong = 0;
            for (int y = 0; y < source.height(); ++y)
                for (int x = 0; x < width; ++x)
                    wrong += page.pixelColor(x, y) != source.pixelColor(x, y) && wrong < 1000;
            EXPECT_EQ(wrong, 0) << "width " << width << (format == ifCCITT4 ? " G4" : " G3");
        }
}

std::string bytes(std::initializer_list<unsigned> values) {
    std::string out;
    for (unsigned v : values) out.push_back(static_cast<char>(v));
    return out;
}

Bitmap plainRow(int width, bool white) {
    Bitmap bitmap(width, 1, PixelFormat::Indexed1);
    bitmap.fill(white ? 0xFFFFFFu : 0u);
    return bitmap;
}

TEST(CcittEncoder, WritesTheExactCodeWords) {
    struct Case {
        const char* name;
        Bitmap bitmap;
        TveOutputImageFormat format;
        std::string expected;
    };
    const Case cases[] = {
        // white make-up 1728 "010011011", white terminating 0 "00110101", zero fill
        {"G3 white 1728", plainRow(1728, true), ifCCITT3, bytes({0x4D, 0x9A, 0x80})},
        // white 0 "00110101", black 3 "10"
        {"G3 black 3", plainRow(3, false), ifCCITT3, bytes({0x35, 0x80})},
        // extended make-up 2560 "000000011111", then white 0
        {"G3 white 2560", plainRow(2560, true), ifCCITT3, bytes({0x01, 0xF3, 0x50})},
        // V0 "1", then end of facsimile block, zero fill
        {"G4 white row", plainRow(5, true), ifCCITT4, bytes({0x80, 0x08, 0x00, 0x80})},
    };
    for (const Case& c : cases) EXPECT_EQ(EncodeCCITT(c.bitmap, c.format), c.expected) << c.name;
}

TEST(CcittEncoder, TwoDimensionalDataEndsWithTheEndOfBlockCode) {
    Bitmap sample = faxSample(301, 3);
    std::string data = EncodeCCITT(sample, ifCCITT4);
    ASSERT_GE(data.size(), 3u);
    // The 24-bit code followed by zero fill lies somewhere in the last four bytes.
    std::uint64_t tail = 0;
    for (std::size_t i = data.size() - 4; i < data.size(); ++i) tail = tail << 8 | static_cast<std::uint8_t>(data[i]);
    int fill = 0;
    while (fill < 8 && (tail >> fill & 1) == 0) ++fill;
    EXPECT_EQ((tail >> fill) & 0xFFFFFF, 0x001001u);
}

}  // namespace
}  // namespace slidemint
