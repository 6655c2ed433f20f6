#include "platform/imaging/bmp_codec.hpp"
#include "platform/imaging/image_file_error.hpp"
#include "sample_bitmaps.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <unistd.h>

namespace slidemint {
namespace {

using testing::randomBitmap;
using Bytes = std::vector<std::uint8_t>;

void putU32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
void putU16(Bytes& bytes, std::size_t at, std::uint32_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

const PixelFormat allFormats[] = {PixelFormat::Indexed1, PixelFormat::Indexed4, PixelFormat::Indexed8,
                                  PixelFormat::Bgr24, PixelFormat::Bgra32};

TEST(BmpCodec, RoundTripsEveryDepthInBothRowOrders) {
    for (PixelFormat format : allFormats)
        for (BmpRowOrder order : {BmpRowOrder::BottomUp, BmpRowOrder::TopDown}) {
            Bitmap source = randomBitmap(13, 5, format);
            Bitmap decoded = decodeBmp(encodeBmp(source, order), "memory");
            EXPECT_EQ(decoded, source) << bitsPerPixel(format) << " bits, top-down " << (order == BmpRowOrder::TopDown);
        }
}

TEST(BmpCodec, WritesHeaderFieldsOfAPlainInfoHeader) {
    Bitmap source = randomBitmap(3, 2, PixelFormat::Indexed8);
    Bytes file = encodeBmp(source, BmpRowOrder::TopDown);
    auto u32 = [&](std::size_t at) { return file[at] | file[at + 1] << 8 | file[at + 2] << 16 | file[at + 3] << 24; };
    EXPECT_EQ(u32(2), file.size());
    EXPECT_EQ(u32(10), 14u + 40u + 256u * 4u);
    EXPECT_EQ(u32(14), 40u);
    EXPECT_EQ(static_cast<std::int32_t>(u32(22)), -2);
    EXPECT_EQ(file.size(), 14u + 40u + 1024u + 2u * 4u);
}

// LibreOffice writes a wrong total size into the file header; the pixel data
// size follows from the bitmap header instead.
TEST(BmpCodec, IgnoresAWrongFileSizeField) {
    Bitmap source = randomBitmap(10, 4, PixelFormat::Bgr24);
    for (std::uint32_t wrongSize : {0u, 54u, 0xFFFFFFFFu}) {
        Bytes file = encodeBmp(source);
        putU32(file, 2, wrongSize);
        EXPECT_EQ(decodeBmp(file, "memory"), source) << wrongSize;
    }
}

TEST(BmpCodec, ReadsCoreHeaderWithThreeByteColourTable) {
    Bytes file(14 + 12 + 2 * 3 + 4, 0);
    file[0] = 'B';
    file[1] = 'M';
    putU32(file, 10, 14 + 12 + 6);
    putU32(file, 14, 12);
    putU16(file, 18, 3);  // width
    putU16(file, 20, 1);  // height
    putU16(file, 22, 1);
    putU16(file, 24, 1);
    const std::uint8_t palette[] = {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00};  // red, blue as B, G, R
    std::copy(std::begin(palette), std::end(palette), file.begin() + 26);
    file[32] = 0b0100'0000;
    Bitmap bitmap = decodeBmp(file, "memory");
    EXPECT_EQ(bitmap.pixelColor(0, 0), 0x0000FFu);
    EXPECT_EQ(bitmap.pixelColor(1, 0), 0xFF0000u);
    EXPECT_EQ(bitmap.pixelColor(2, 0), 0x0000FFu);
}

TEST(BmpCodec, ReadsThirtyTwoBitsWithBitFieldMasks) {
    Bytes file(14 + 40 + 12 + 4, 0);
    file[0] = 'B';
    file[1] = 'M';
    putU32(file, 10, 14 + 40 + 12);
    putU32(file, 14, 40);
    putU32(file, 18, 1);
    putU32(file, 22, 1);
    putU16(file, 26, 1);
    putU16(file, 28, 32);
    putU32(file, 30, 3);
    putU32(file, 54, 0x000000FFu);  // red in the lowest byte
    putU32(file, 58, 0x0000FF00u);
    putU32(file, 62, 0x00FF0000u);
    putU32(file, 66, 0x00332211u);
    EXPECT_EQ(decodeBmp(file, "memory").pixelColor(0, 0), 0x332211u);
}

struct Defect {
    const char* name;
    std::function<void(Bytes&)> damage;
    const char* cause;
};

TEST(BmpCodec, RejectsMalformedFilesWithTheFileNameAndCause) {
    const Defect defects[] = {
        {"empty", [](Bytes& f) { f.clear(); }, "truncated file header"},
        {"signature", [](Bytes& f) { f[0] = 'X'; }, "no \"BM\" signature"},
        {"cut in file header", [](Bytes& f) { f.resize(10); }, "truncated file header"},
        {"header size", [](Bytes& f) { putU32(f, 14, 20); }, "unsupported bitmap header size 20"},
        {"cut in bitmap header", [](Bytes& f) { f.resize(30); }, "truncated bitmap header"},
        {"zero width", [](Bytes& f) { putU32(f, 18, 0); }, "invalid bitmap width 0"},
        {"negative width", [](Bytes& f) { putU32(f, 18, static_cast<std::uint32_t>(-5)); }, "invalid bitmap width -5"},
        {"zero height", [](Bytes& f) { putU32(f, 22, 0); }, "invalid bitmap height 0"},
        {"most negative height", [](Bytes& f) { putU32(f, 22, 0x80000000u); }, "invalid bitmap height"},
        {"huge", [](Bytes& f) { putU32(f, 18, 70000); }, "too large"},
        {"depth 16", [](Bytes& f) { putU16(f, 28, 16); }, "16 bits per pixel are not supported"},
        {"depth 7", [](Bytes& f) { putU16(f, 28, 7); }, "7 bits per pixel are not supported"},
        {"run-length", [](Bytes& f) { putU32(f, 30, 1); }, "run-length compressed"},
        {"unknown compression", [](Bytes& f) { putU32(f, 30, 99); }, "unknown compression 99"},
        {"bit fields on 8 bits", [](Bytes& f) { putU32(f, 30, 3); }, "bit-field masks with 8 bits"},
        {"colour count", [](Bytes& f) { putU32(f, 46, 1000); }, "colour table of 1000 entries"},
        {"cut in colour table", [](Bytes& f) { f.resize(14 + 40 + 100); }, "truncated colour table"},
        {"offset in headers", [](Bytes& f) { putU32(f, 10, 20); }, "lies inside the headers"},
        {"offset past end", [](Bytes& f) { putU32(f, 10, 0x7FFFFFF0u); }, "truncated pixel data"},
        {"cut in pixels", [](Bytes& f) { f.pop_back(); }, "truncated pixel data"},
        {"taller than data", [](Bytes& f) { putU32(f, 22, 60000); }, "truncated pixel data"},
    };
    const Bytes good = encodeBmp(randomBitmap(9, 4, PixelFormat::Indexed8));
    for (const Defect& defect : defects) {
        Bytes file = good;
        defect.damage(file);
        try {
            decodeBmp(file, "slide.bmp");
            ADD_FAILURE() << defect.name << ": no error";
        } catch (const EInvalidImageFile& error) {
            std::string message = error.what();
            EXPECT_EQ(message.rfind("slide.bmp: ", 0), 0u) << defect.name << ": " << message;
            EXPECT_NE(message.find(defect.cause), std::string::npos) << defect.name << ": " << message;
        }
    }
}

TEST(BmpCodec, MissingFileNamesThePath) {
    EXPECT_THROW(
        {
            try {
                readBmpFile("/nonexistent/Slide0001.bmp");
            } catch (const EngineError& error) {
                EXPECT_STREQ(error.what(), "/nonexistent/Slide0001.bmp: the file cannot be opened");
                throw;
            }
        },
        EInvalidImageFile);
}

// Files from netpbm, a writer we did not write, decode to the same pixels.
TEST(BmpCodec, ReadsFilesOfAnotherWriter) {
    if (std::system("command -v ppmtobmp >/dev/null 2>&1") != 0) GTEST_SKIP() << "netpbm is not installed";
    auto folder = std::filesystem::temp_directory_path() / ("bmp_codec_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    Bitmap source = randomBitmap(11, 3, PixelFormat::Bgr24);
    {
        std::ofstream ppm(folder / "in.ppm", std::ios::binary);
        ppm << "P6\n11 3\n255\n";
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 11; ++x) {
                std::uint32_t c = source.pixelColor(x, y);
                ppm.put(static_cast<char>(c & 0xFF)).put(static_cast<char>(c >> 8 & 0xFF)).put(static_cast<char>(c >> 16));
            }
    }
    for (const char* bits : {"24", "8"}) {
        std::string command = "ppmtobmp -windows -bpp " + std::string(bits) + " " + (folder / "in.ppm").string() +
                              " > " + (folder / "out.bmp").string() + " 2>/dev/null";
        if (std::string(bits) == "8") {
            // Eight bits per pixel needs at most 256 colours: quantise first.
            command = "pnmquant 200 " + (folder / "in.ppm").string() + " 2>/dev/null | ppmtobmp -windows -bpp 8 > " +
                      (folder / "out.bmp").string() + " 2>/dev/null";
        }
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        Bitmap decoded = readBmpFile((folder / "out.bmp").string());
        ASSERT_EQ(decoded.width(), 11);
        ASSERT_EQ(decoded.height(), 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 11; ++x) EXPECT_EQ(decoded.pixelColor(x, y), source.pixelColor(x, y)) << bits;
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace slidemint
