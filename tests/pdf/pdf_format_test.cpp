#include "pdf/pdf_format.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace slidemint {
namespace {

TEST(FormatReal, WritesFourDecimalsWithAPoint) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1.0, "1.0000"},          {-12.5, "-12.5000"},  {595.27440, "595.2744"},
        {0.0, "0.0000"},          {-0.0, "0.0000"},     {-0.00001, "0.0000"},
        {0.00005, "0.0001"},      {1e9, "1000000000.0000"},
        {std::numeric_limits<double>::quiet_NaN(), "0.0000"},
        {std::numeric_limits<double>::infinity(), "0.0000"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatReal(c.value), c.text) << c.value;
}

TEST(RgbToText, PrintsEachChannelOverTwoHundredFiftyFive) {
    EXPECT_EQ(RgbToText(0x00FFFFFF), "1.0000 1.0000 1.0000");
    EXPECT_EQ(RgbToText(0x00000000), "0.0000 0.0000 0.0000");
    // 0x00BBGGRR: red 0xFF, green 0x80, blue 0x00
    EXPECT_EQ(RgbToText(0x000080FF), "1.0000 0.5020 0.0000");
}

TEST(StrToHex, UsesTwoUppercaseDigitsPerByte) {
    EXPECT_EQ(StrToHex(""), "");
    EXPECT_EQ(StrToHex(std::string("\x00\x0f\xab\xff", 4)), "000FABFF");
}

TEST(Utf16BeWithMark, PrefixesTheByteOrderMark) {
    EXPECT_EQ(StrToHex(Utf16BeWithMark(u"")), "FEFF");
    EXPECT_EQ(StrToHex(Utf16BeWithMark(u"A\u00e9\u20ac")), "FEFF004100E920AC");
}

TEST(EscapeLiteralString, EscapesSpecialBytesAndExpandsTabs) {
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"plain", "plain"},
        {"a(b)c\\", "a\\(b\\)c\\\\"},
        {"\r\n\b\f", "\\r\\n\\b\\f"},
        {"\tx", "        x"},              // tab at column 0 fills eight blanks
        {"abc\tx", "abc     x"},           // to the next stop at column 8
        {"abcdefgh\tx", "abcdefgh        x"},
        {"\b\tx", "\\b        x"},         // BS takes no column
        {"(\tx", "\\(       x"},           // an escape takes one column
    };
    for (const auto& c : cases) EXPECT_EQ(EscapeLiteralString(c.in), c.out) << c.in;
}

TEST(ObjectRef, IsNumberGenerationZeroAndR) { EXPECT_EQ(ObjectRef(12), "12 0 R"); }

}  // namespace
}  // namespace slidemint
