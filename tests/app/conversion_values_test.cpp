#include <gtest/gtest.h>

#include "app/conversion_job.hpp"
#include "app/conversion_options.hpp"
#include "app/export_run.hpp"
#include "app/utf8_text.hpp"

namespace slidemint {
namespace {

TEST(SlideSizeFor, FollowsTheQualityTable) {
    struct Case { int index; double w, h; SlidePixelSize expected; };
    const Case cases[] = {
        {0, 720, 540, {640, 480}},   {1, 720, 540, {800, 600}},    {2, 720, 540, {1024, 768}},
        {3, 720, 540, {720, 540}},   {3, 960.1, 540, {960, 540}},  {3, 793.7, 595.3, {794, 595}},
        {3, 0.5, 2.5, {0, 2}},       {3, 1.5, 3.5, {2, 4}},        {-1, 720, 540, {0, 0}},
        {4, 720, 540, {0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(SlideSizeFor(c.index, c.w, c.h), c.expected) << c.index << " " << c.w;
}

TEST(WorkFolder, StampAndBitmapNames) {
    std::tm time{};
    time.tm_year = 107;
    time.tm_mon = 2;
    time.tm_mday = 14;
    time.tm_hour = 15;
    time.tm_min = 30;
    time.tm_sec = 12;
    EXPECT_EQ(WorkFolderStamp(time), "070314153012");
    EXPECT_EQ(SlideBitmapPath("/tmp/w/", 1), "/tmp/w/Slide0001.bmp");
    EXPECT_EQ(SlideBitmapPath("/tmp/w", 12), "/tmp/w/Slide0012.bmp");
    EXPECT_EQ(SlideBitmapPath("/tmp/w/", 12345), "/tmp/w/Slide12345.bmp");
}

TEST(CleanText, BlanksControlAndNonAsciiKeepingTheLength) {
    EXPECT_EQ(CleanText(u"a\r\nb\tc"), u"a  b c");
    EXPECT_EQ(CleanText(u"caf\u00e9 \u4e2d~"), u"caf   ~");
    EXPECT_EQ(CleanText(u"\r\n\r\n"), u"    ");
    EXPECT_EQ(CleanText(u""), u"");
}

TEST(FileBaseName, CutsBeforeTheFirstDot) {
    const std::pair<const char*, const char*> cases[] = {
        {"/talks/Q3.review.ppt", "Q3"}, {"/x/report", "report"}, {"a.b.c.ppt", "a"},
        {"/dir.with.dots/Talk.pps", "Talk"}, {"/x/Deck.PPT", "Deck"},
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(FileBaseName(input), expected) << input;
}

TEST(Utf8ToUtf16, DecodesAndKeepsStrayBytes) {
    EXPECT_EQ(Utf8ToUtf16("Ana \xc3\xa9 \xe4\xb8\xad"), u"Ana \u00e9 \u4e2d");
    EXPECT_EQ(Utf8ToUtf16("\xf0\x9f\x98\x80"), u"\U0001F600");
    EXPECT_EQ(Utf8ToUtf16("a\xe9z"), u"a\u00e9z");        // Latin-1 byte
    EXPECT_EQ(Utf8ToUtf16("\xc0\xaf"), u"\u00c0\u00af");  // overlong form refused
}

}  // namespace
}  // namespace slidemint
