#include <gtest/gtest.h>

#include <cmath>

#include "engine/page_settings.hpp"
#include "engine/units.hpp"
#include "test_support.hpp"

namespace slidemint {
namespace {

using testing::FixedEnvironment;
using testing::RecordingEngine;

class UnitsTest : public FixedEnvironment {};

TEST_F(UnitsTest, FactorsFollowTheScreenResolution) {
    struct Case {
        int ppi;
        TveUnitType unit;
        double factor;
    };
    const Case cases[] = {
        {96, muPixels, 1.0},         {96, muInches, 96.0},       {96, muMM, 2.83464 * 96 / 72},
        {96, muPoints, 96.0 / 72},   {96, muTwips, 0.05 * 96 / 72}, {120, muPixels, 1.0},
        {120, muInches, 120.0},      {120, muPoints, 120.0 / 72},
    };
    for (const Case& c : cases) {
        SystemEnvironment::current().setScreenPPI(c.ppi);
        EXPECT_DOUBLE_EQ(UnitFactor(c.unit), c.factor) << "ppi " << c.ppi << " unit " << int(c.unit);
    }
}

TEST_F(UnitsTest, PixelDrawingCoordinatesScaleFromTheInputResolution) {
    struct Case {
        int ppi;
        TveUnitType unit;
        int inputRes;
        double value;
        double internal;
    };
    const Case cases[] = {
        {96, muPixels, 96, 640, 640},   // pixels at 96 dpi on a 96 ppi screen
        {120, muPixels, 96, 640, 800},  // the same pixels on a 120 ppi screen
        {96, muPixels, 300, 300, 96},   // 300 dpi input: one inch
        {96, muInches, 300, 2, 192},    // other units ignore the input resolution
        {120, muPoints, 96, 72, 120},
    };
    for (const Case& c : cases) {
        SystemEnvironment::current().setScreenPPI(c.ppi);
        EXPECT_DOUBLE_EQ(DrawingToInternal(c.value, UnitFactor(c.unit), c.inputRes), c.internal);
    }
}

TEST_F(UnitsTest, PageLengthsUseTheFactorOnlyWhateverTheInputResolution) {
    SystemEnvironment::current().setScreenPPI(120);
    RecordingEngine engine;
    engine.InputXRes = 96;
    engine.Page().SetPaperSize(TvePaperSize::Custom);
    engine.Page().SetWidth(640);
    EXPECT_DOUBLE_EQ(engine.Page().InternalWidth(), 640);

    engine.SetMeasurementUnit(muInches);
    EXPECT_DOUBLE_EQ(engine.Page().Width(), 640.0 / 120);  // stored values are not converted
    engine.Page().SetLeftMargin(0.5);
    EXPECT_DOUBLE_EQ(engine.Page().Geometry().LeftMargin, 60);
    EXPECT_DOUBLE_EQ(engine.Page().LeftMargin(), 0.5);
}

class PageSettingsTest : public FixedEnvironment {};

TEST_F(PageSettingsTest, NamedSizesComeFromThePaperTable) {
    struct Case {
        TvePaperSize size;
        double widthInches;
        double heightInches;
    };
    const Case cases[] = {
        {TvePaperSize::Letter, 8.5, 11},          {TvePaperSize::Ledger, 17, 11},
        {TvePaperSize::A3, 11.6929, 16.5354},     {TvePaperSize::A4, 8.2677, 11.6929},
        {TvePaperSize::EnvB6, 6.9291, 4.9212},    {TvePaperSize::FanfoldUS, 14.875, 11},
        {TvePaperSize::ISOB4, 9.8425, 13.8976},
    };
    for (const Case& c : cases) {
        TvePageSettings page;
        page.SetPaperSize(c.size);
        EXPECT_DOUBLE_EQ(page.InternalWidth(), c.widthInches * 96) << int(c.size);
        EXPECT_DOUBLE_EQ(page.InternalHeight(), c.heightInches * 96) << int(c.size);
    }
}

TEST_F(PageSettingsTest, LandscapeA4ExchangesWidthAndHeight) {
    TvePageSettings page;
    EXPECT_NEAR(page.Width(), 793.6992, 1e-9);
    page.SetOrientation(poLandscape);
    EXPECT_NEAR(page.Width(), 1122.5184, 1e-9);
    EXPECT_NEAR(page.Height(), 793.6992, 1e-9);
    page.SetOrientation(poLandscape);  // no change, no exchange
    EXPECT_NEAR(page.Width(), 1122.5184, 1e-9);
    page.SetPaperSize(TvePaperSize::Letter);  // a named size keeps the orientation
    EXPECT_DOUBLE_EQ(page.Width(), 11 * 96);
}

TEST_F(PageSettingsTest, WidthAndHeightChangeOnlyForCustomPaper) {
    TvePageSettings page;
    page.SetWidth(500);
    EXPECT_NEAR(page.Width(), 793.6992, 1e-9);
    page.SetPaperSize(TvePaperSize::Custom);
    EXPECT_NEAR(page.Width(), 793.6992, 1e-9);  // Custom keeps the size
    page.SetWidth(500);
    page.SetHeight(300);
    EXPECT_DOUBLE_EQ(page.Width(), 500);
    EXPECT_DOUBLE_EQ(page.Height(), 300);
}

TEST_F(PageSettingsTest, AssignCopiesEverythingButOwnerAndFactor) {
    TvePageSettings source;
    source.SetPaperSize(TvePaperSize::Custom);
    source.SetWidth(400);
    source.SetTopMargin(10);
    source.SetFooterHeight(20);
    source.SetBinNumber(3);
    TvePageSettings target;
    target.SetUnitFactor(2.0);
    target.Assign(source);
    EXPECT_EQ(target.PaperSize(), TvePaperSize::Custom);
    EXPECT_DOUBLE_EQ(target.InternalWidth(), 400);
    EXPECT_DOUBLE_EQ(target.Geometry().TopMargin, 10);
    EXPECT_DOUBLE_EQ(target.Geometry().FooterHeight, 20);
    EXPECT_EQ(target.BinNumber(), 3);
    EXPECT_DOUBLE_EQ(target.UnitFactor(), 2.0);
    EXPECT_DOUBLE_EQ(target.Width(), 200);
}

TEST_F(PageSettingsTest, DrawingAreaForEveryReferencePointAndBand) {
    RecordingEngine engine;
    TvePageSettings& page = engine.Page();
    page.SetPaperSize(TvePaperSize::Custom);
    page.SetWidth(1000);
    page.SetHeight(800);
    page.SetLeftMargin(10);
    page.SetRightMargin(20);
    page.SetTopMargin(30);
    page.SetBottomMargin(40);
    page.SetHeaderHeight(50);
    page.SetFooterHeight(60);
    engine.BeginDoc();

    engine.SetReferencePoint(rpPage);
    EXPECT_EQ(engine.DrawingArea(), (TveRect{0, 0, 980, 760}));
    engine.SetReferencePoint(rpMargin);
    EXPECT_EQ(engine.DrawingArea(), (TveRect{10, 30, 980, 760}));
    engine.SetReferencePoint(rpBand);
    EXPECT_EQ(engine.DrawingArea(), (TveRect{10, 80, 980, 700}));
    engine.BeginHeader();
    EXPECT_EQ(engine.DrawingArea(), (TveRect{10, 30, 980, 80}));
    engine.EndHeader();
    engine.BeginFooter();
    EXPECT_EQ(engine.DrawingArea(), (TveRect{10, 700, 980, 760}));
    engine.EndFooter();
    engine.BeginBackground();
    EXPECT_EQ(engine.DrawingArea(), (TveRect{10, 30, 980, 760}));
    engine.EndBackground();
    engine.BeginForeground();
    EXPECT_EQ(engine.DrawingArea(), (TveRect{10, 30, 980, 760}));
    engine.EndForeground();
    EXPECT_EQ(engine.TargetBand(), bkPage);
    engine.EndDoc();
}

}  // namespace
}  // namespace slidemint
