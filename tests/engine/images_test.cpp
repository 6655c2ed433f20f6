#include <gtest/gtest.h>

#include "test_support.hpp"

namespace slidemint {
namespace {

using testing::bitmapOf;
using testing::FixedEnvironment;
using testing::RecordingEngine;

class ImagesTest : public FixedEnvironment {
protected:
    // Draws one image into a 1000 x 1000 zero-margin page and returns the
    // item the writer received.
    TveImageItem drawOne(const TGraphic& graphic, const TveRect& rect,
                         const std::function<void(TveImageSettings&)>& configure = {}) {
        RecordingEngine engine;
        engine.Page().SetPaperSize(TvePaperSize::Custom);
        engine.Page().SetWidth(1000);
        engine.Page().SetHeight(1000);
        if (configure) configure(engine.ImageSettings());
        engine.BeginDoc();
        engine.DrawImage(rect, engine.AddImage(graphic));
        engine.EndDoc();
        EXPECT_EQ(engine.images.size(), 1u);
        return engine.images.empty() ? TveImageItem{} : engine.images.front();
    }
};

TEST_F(ImagesTest, AddImageNumbersImagesPerDocument) {
    RecordingEngine engine;
    const TBitmap bitmap = bitmapOf(3, 2);
    EXPECT_EQ(engine.AddImage(bitmap), -1);
    engine.BeginDoc();
    EXPECT_EQ(engine.AddImage(bitmap), 0);
    EXPECT_EQ(engine.AddImage(TJPEGImage({0xFF, 0xD8}, 10, 20)), 1);
    EXPECT_EQ(engine.AddImage(TIcon(Bitmap(16, 16, PixelFormat::Bgra32))), 2);
    EXPECT_EQ(engine.AddImage(TMetafile({1, 2, 3}, 5, 6)), 3);
    EXPECT_EQ(engine.AddImage(bitmap), 4);
    ASSERT_NE(engine.ImageAt(1), nullptr);
    EXPECT_EQ(engine.ImageAt(1)->width(), 10);
    EXPECT_NE(dynamic_cast<const TJPEGImage*>(engine.ImageAt(1)), nullptr);
    EXPECT_EQ(engine.ImageAt(5), nullptr);
    EXPECT_EQ(engine.ImageAt(-1), nullptr);
    engine.EndDoc();
    engine.BeginDoc();
    EXPECT_EQ(engine.AddImage(bitmap), 0);
    engine.EndDoc();
}

TEST_F(ImagesTest, TheImageListKeepsItsOwnCopy) {
    RecordingEngine engine;
    engine.BeginDoc();
    TBitmap bitmap = bitmapOf(2, 2);
    bitmap.bitmap().scanLine(0)[0] = 7;
    engine.AddImage(bitmap);
    bitmap.bitmap().scanLine(0)[0] = 9;
    auto stored = dynamic_cast<const TBitmap*>(engine.ImageAt(0));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->bitmap().scanLine(0)[0], 7);
    engine.EndDoc();
}

TEST_F(ImagesTest, UnknownGraphicKindRaises) {
    struct Png : TGraphic {
        int width() const override { return 1; }
        int height() const override { return 1; }
        std::unique_ptr<TGraphic> clone() const override { return std::make_unique<Png>(); }
    };
    RecordingEngine engine;
    engine.BeginDoc();
    EXPECT_THROW(engine.AddImage(Png{}), EUnsupportedGraphics);
    EXPECT_EQ(engine.ImageCount(), 0);
    engine.EndDoc();
}

TEST_F(ImagesTest, SizingRules) {
    struct Case {
        const char* name;
        int gw, gh;
        TveRect rect;
        bool stretch, keepAspect, center;
        TveImageItem expected;  // X, Y, Width, Height
    };
    auto item = [](double x, double y, double w, double h) {
        TveImageItem i;
        i.X = x;
        i.Y = y;
        i.Width = w;
        i.Height = h;
        return i;
    };
    const Case cases[] = {
        {"default fills the rectangle", 10, 10, {0, 0, 640, 480}, false, false, false, item(0, 0, 640, 480)},
        {"edges in any order", 10, 10, {640, 480, 100, 80}, false, false, false, item(100, 80, 540, 400)},
        {"keep aspect, fits: rectangle", 10, 10, {0, 0, 640, 480}, false, true, false, item(0, 0, 640, 480)},
        {"keep aspect, wide graphic", 400, 100, {0, 0, 200, 200}, false, true, false, item(0, 0, 200, 50)},
        {"keep aspect, tall graphic", 100, 400, {0, 0, 200, 200}, false, true, false, item(0, 0, 50, 200)},
        {"wide graphic limited by height", 400, 300, {0, 0, 200, 100}, false, true, false,
         item(0, 0, 133, 100)},
        {"stretch and keep aspect", 4, 1, {0, 0, 200, 200}, true, true, false, item(0, 0, 200, 50)},
        {"centred", 400, 100, {0, 0, 200, 200}, false, true, true, item(0, 75, 200, 50)},
        {"tie 2.5 rounds to 2", 4, 1, {0, 0, 10, 10}, true, true, false, item(0, 0, 10, 2)},
        {"tie 3.5 rounds to 4", 4, 1, {0, 0, 14, 14}, true, true, false, item(0, 0, 14, 4)},
    };
    for (const Case& c : cases) {
        const TveImageItem got = drawOne(bitmapOf(c.gw, c.gh), c.rect, [&](TveImageSettings& s) {
            s.StretchImage = c.stretch;
            s.KeepAspectRatio = c.keepAspect;
            s.CenterImage = c.center;
        });
        EXPECT_DOUBLE_EQ(got.X, c.expected.X) << c.name;
        EXPECT_DOUBLE_EQ(got.Y, c.expected.Y) << c.name;
        EXPECT_DOUBLE_EQ(got.Width, c.expected.Width) << c.name;
        EXPECT_DOUBLE_EQ(got.Height, c.expected.Height) << c.name;
    }
}

TEST_F(ImagesTest, DisplayRectKeepsTheRequestedRectangle) {
    const TveImageItem got = drawOne(bitmapOf(400, 100), {10, 20, 210, 220}, [](TveImageSettings& s) {
        s.KeepAspectRatio = true;
        s.CenterImage = true;
        s.DrawFrame = true;
    });
    EXPECT_EQ(got.DisplayRect, (TveRect{10, 20, 210, 220}));
    EXPECT_DOUBLE_EQ(got.Y, 95);
    EXPECT_TRUE(got.ImageSettings.DrawFrame);
    EXPECT_EQ(got.ImageSettings.Engine(), nullptr);
}

TEST_F(ImagesTest, PixelRectanglesFollowTheScreenResolution) {
    for (int ppi : {96, 120}) {
        SystemEnvironment::current().setScreenPPI(ppi);
        RecordingEngine engine;
        engine.InputXRes = 96;
        engine.InputYRes = 96;
        engine.Page().SetPaperSize(TvePaperSize::Custom);
        engine.Page().SetWidth(640);
        engine.Page().SetHeight(480);
        engine.BeginDoc();
        engine.DrawImage({0, 0, 640, 480}, engine.AddImage(bitmapOf(8, 6)));
        engine.EndDoc();
        ASSERT_EQ(engine.images.size(), 1u);
        EXPECT_DOUBLE_EQ(engine.images[0].Width, ppi == 96 ? 640 : 800);
        EXPECT_DOUBLE_EQ(engine.images[0].Height, ppi == 96 ? 480 : 600);
        EXPECT_DOUBLE_EQ(engine.Page().InternalWidth(), 640);
    }
}

TEST_F(ImagesTest, DrawImageRecordsNothingForBadIndexOrAnchor) {
    RecordingEngine engine;
    engine.Page().SetPaperSize(TvePaperSize::Custom);
    engine.Page().SetWidth(100);
    engine.Page().SetHeight(100);
    engine.BeginDoc();
    const int index = engine.AddImage(bitmapOf(2, 2));
    engine.DrawImage({0, 0, 10, 10}, 1);
    engine.DrawImage({0, 0, 10, 10}, -1);
    engine.DrawImage({100, 0, 110, 10}, index);          // x = AreaRight
    engine.DrawImage({-1, 0, 10, 10}, index);            // left of the area
    engine.DrawImage({99.999, 99.999, 120, 120}, index); // just inside: recorded
    engine.ItemsToRender.exclude(irImage);
    engine.DrawImage({0, 0, 10, 10}, index);
    engine.EndDoc();
    ASSERT_EQ(engine.images.size(), 1u);
    EXPECT_DOUBLE_EQ(engine.images[0].X, 99.999);
}

TEST_F(ImagesTest, DrawImageAtUsesTheNaturalSize) {
    SystemEnvironment::current().setScreenPPI(120);
    RecordingEngine engine;
    engine.InputXRes = 96;
    engine.InputYRes = 96;
    engine.BeginDoc();
    engine.DrawImageAt(bitmapOf(96, 48), 10, 20);
    engine.EndDoc();
    ASSERT_EQ(engine.images.size(), 1u);
    EXPECT_DOUBLE_EQ(engine.images[0].X, 12.5);
    EXPECT_DOUBLE_EQ(engine.images[0].Y, 25);
    EXPECT_DOUBLE_EQ(engine.images[0].Width, 120);
    EXPECT_DOUBLE_EQ(engine.images[0].Height, 60);
}

}  // namespace
}  // namespace slidemint
