#include "pdf/creation_date.hpp"

#include <gtest/gtest.h>

namespace slidemint {
namespace {

TEST(PdfCreationDate, ZoneSuffixFromTheStandardBias) {
    const struct {
        int bias;
        const char* zone;
    } cases[] = {
        {-60, "+01'00'"}, {300, "-05'00'"}, {-330, "+05'30'"}, {210, "-03'30'"},
        {0, "+00'00'"},   {-840, "+14'00'"}, {-45, "+00'45'"},
        {30, "-00'30'"},  // less than an hour west keeps its sign on the hours
    };
    for (const auto& c : cases) EXPECT_EQ(PdfTimeZoneSuffix(c.bias), c.zone) << c.bias;
}

TEST(PdfCreationDate, LocalMomentThenZone) {
    const LocalDateTime moment{2024, 3, 9, 7, 5, 4, 999};
    EXPECT_EQ(PdfCreationDate(moment, -60), "D:20240309070504+01'00'");
}

}  // namespace
}  // namespace slidemint
