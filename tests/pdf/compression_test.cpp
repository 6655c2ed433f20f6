#include "pdf/compression.hpp"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

namespace slidemint {
namespace {

std::string Inflate(const std::string& data, std::size_t expectedSize) {
    std::string out(expectedSize, '\0');
    uLongf size = static_cast<uLongf>(out.size());
    const int status = uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                                  reinterpret_cast<const Bytef*>(data.data()),
                                  static_cast<uLong>(data.size()));
    EXPECT_EQ(status, Z_OK);
    out.resize(size);
    return out;
}

std::string SampleContent() {
    std::string text;
    for (int i = 0; i < 200; ++i) text += "q 1.0000 0 0 1.0000 0 0 cm\r\n";
    return text;
}

TEST(CompressStream, EveryLevelRoundTripsAndAppends) {
    const std::string source = SampleContent();
    for (auto level : {TveCompressionLevel::clFastest, TveCompressionLevel::clNormal,
                       TveCompressionLevel::clMaxCompress}) {
        std::string destination = "prefix";
        const std::size_t count = CompressStream(source, destination, level, true);
        ASSERT_EQ(destination.size(), 6 + count);
        EXPECT_EQ(destination.substr(0, 6), "prefix");
        EXPECT_EQ(Inflate(destination.substr(6), source.size()), source);
        EXPECT_EQ(static_cast<unsigned char>(destination[6]), 0x78);  // zlib, 32K window
    }
}

TEST(CompressStream, LevelsMapToStoredFastAndDefault) {
    const std::string source = SampleContent();
    std::string stored, fast, normal;
    CompressStream(source, stored, TveCompressionLevel::clFastest, true);
    CompressStream(source, fast, TveCompressionLevel::clNormal, true);
    CompressStream(source, normal, TveCompressionLevel::clMaxCompress, true);
    EXPECT_GT(stored.size(), source.size());  // stored blocks only
    EXPECT_LT(fast.size(), source.size() / 10);
    // The header's level bits: 0 for stored and level 1, 2 for the default.
    EXPECT_EQ(static_cast<unsigned char>(stored[1]) >> 6, 0);
    EXPECT_EQ(static_cast<unsigned char>(fast[1]) >> 6, 0);
    EXPECT_EQ(static_cast<unsigned char>(normal[1]) >> 6, 2);
}

TEST(CompressStream, DisabledCopiesAndEmptyInputStillMakesAStream) {
    std::string copy;
    EXPECT_EQ(CompressStream("abc", copy, TveCompressionLevel::clMaxCompress, false), 3u);
    EXPECT_EQ(copy, "abc");
    std::string empty;
    const std::size_t count = CompressStream("", empty, TveCompressionLevel::clMaxCompress, true);
    EXPECT_EQ(count, empty.size());
    EXPECT_EQ(Inflate(empty, 1), "");
}

}  // namespace
}  // namespace slidemint
