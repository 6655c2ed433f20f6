#include "pdf/images/pattern_texts.hpp"

#include <gtest/gtest.h>

namespace slidemint {
namespace {

TEST(PatternTexts, DashTextsByPenStyle) {
    const std::pair<TPenStyle, const char*> cases[] = {
        {psSolid, "[]0 d "},           {psDash, "[16 8]0 d "}, {psDot, "[3 4]0 d "},
        {psDashDot, "[8 4 2 4]0 d "}, {psDashDotDot, "[8 4 2 4 2 8]0 d "},
        {psClear, ""},                 {psInsideFrame, ""}};
    for (auto [style, text] : cases) EXPECT_EQ(DashText(style), text) << static_cast<int>(style);
}

TEST(PatternTexts, HatchNamesAndCells) {
    const std::tuple<TBrushStyle, const char*, const char*> cases[] = {
        {bsHorizontal, "PH", "0 2.5 m 5 2.5 l S"},
        {bsVertical, "PV", "2.5 0 m 2.5 5 l S"},
        {bsFDiagonal, "PFD", "0 2.5 m 2.5 0 l 5 2.5 m 2.5 5 l S"},
        {bsBDiagonal, "PBD", "0 2.5 m 2.5 5 l 2.5 0 m 5 2.5 l S"},
        {bsCross, "PC", "0 2.5 m 5 2.5 l 2.5 0 m 2.5 5 l S"},
        {bsDiagCross, "PDC", "2.5 0 m 5 2.5 l 2.5 5 l 0 2.5 l s"},
    };
    for (auto [style, name, cell] : cases) {
        EXPECT_EQ(HatchPatternName(style), name);
        EXPECT_EQ(HatchPatternStream(name), std::string("2 J 2 j 0.3 w ") + cell);
    }
    EXPECT_EQ(HatchPatternName(bsSolid), "");
    EXPECT_EQ(HatchPatternName(bsClear), "");
}

TEST(PatternTexts, BackgroundPlacementByDisplayType) {
    struct Case {
        TveBackgroundDisplayType type;
        double x, y;
    };
    // A 100 x 50 picture on a 600 x 800-point page.
    const Case cases[] = {{dtTile, 0, 0},          {dtTopLeft, 0, 750},    {dtTopCenter, 250, 750},
                          {dtTopRight, 500, 750},  {dtCenterLeft, 0, 375}, {dtCenter, 250, 375},
                          {dtCenterRight, 500, 375}, {dtBottomLeft, 0, 0},   {dtBottomCenter, 250, 0},
                          {dtBottomRight, 500, 0}};
    for (const Case& c : cases) {
        BackgroundPlacement placement = PlaceBackground(c.type, 600, 800, 100, 50);
        EXPECT_EQ(placement.x, c.x) << static_cast<int>(c.type);
        EXPECT_EQ(placement.y, c.y) << static_cast<int>(c.type);
        EXPECT_EQ(placement.width, 100);
        EXPECT_EQ(placement.height, 50);
    }
    EXPECT_EQ(BackgroundFillText(dtCenter, PlaceBackground(dtCenter, 600, 800, 100, 50), 600, 800),
              "/CSP cs /PI scn n 250.0000 375.0000 100.0000 50.0000 re f");
    EXPECT_EQ(BackgroundFillText(dtTile, PlaceBackground(dtTile, 600, 800, 100, 50), 600, 800),
              "/CSP cs /PI scn n 0.0000 0.0000 600.0000 800.0000 re f");
}

TEST(PatternTexts, BackgroundPatternObjectText) {
    BackgroundPlacement placement{100, 50, 250, 375};
    EXPECT_EQ(BackgroundPatternDictionary(7, placement),
              "/Type/Pattern/PatternType 1/PaintType 1/Resources << /ProcSet [/PDF /ImageC] /XObject << /Img0 7 0 R >> "
              "\r\n>>/TilingType 1/BBox [0 0 100.0000 50.0000]/Matrix [1 0 0 1 250.0000 375.0000]/XStep 100.0000"
              "/YStep 50.0000");
    EXPECT_EQ(BackgroundPatternStream(placement), "\r\nq\r\n100.0000 0 0 50.0000 0 0 cm\r\n/Img0 Do\r\nQ");
    EXPECT_EQ(PatternLengthEntries(true, 12, 99), "/Length\r\n12 0 R/Filter/FlateDecode");
    EXPECT_EQ(PatternLengthEntries(false, 12, 99), "/Length 99\r\n");
}

}  // namespace
}  // namespace slidemint
