#include <gtest/gtest.h>

#include "engine/doc_settings.hpp"
#include "test_support.hpp"

namespace slidemint {
namespace {

using testing::bitmapOf;
using testing::FixedEnvironment;
using testing::RecordingEngine;

class SettingsTest : public FixedEnvironment {};

TEST_F(SettingsTest, LinkingCopiesAllSevenValues) {
    TveDocSettings settings;
    settings.SetBackgroundColor(0x123456);
    TPicture picture;
    const TBitmap bitmap = bitmapOf(3, 3);
    picture.SetGraphic(&bitmap);
    settings.SetBackgroundImage(picture);
    settings.SetBackgroundImageDisplayType(dtTile);
    settings.DocInfo().SetAuthor(u"Ann");
    settings.Page().SetOrientation(poLandscape);
    settings.Preferences().SetShowSetupDialog(false);
    settings.Preferences().SetCalculateVariables(false);
    settings.SetMeasurementUnit(muMM);

    RecordingEngine engine;
    engine.Preferences().SetShowSetupDialog(true);
    engine.SetSettings(&settings);
    EXPECT_EQ(engine.BackgroundColor(), 0x123456u);
    EXPECT_EQ(engine.BackgroundImage().width(), 3);
    EXPECT_EQ(engine.BackgroundImageDisplayType(), dtTile);
    EXPECT_EQ(engine.DocInfo().Author(), u"Ann");
    EXPECT_EQ(engine.Page().Orientation(), poLandscape);
    EXPECT_FALSE(engine.Preferences().ShowSetupDialog());
    EXPECT_FALSE(engine.Preferences().CalculateVariables());
    EXPECT_EQ(engine.MeasurementUnit(), muMM);
    EXPECT_DOUBLE_EQ(engine.Page().UnitFactor(), UnitFactor(muMM));
    EXPECT_EQ(settings.LinkedEngines(), std::vector<TveCustomDocumentEngine*>{&engine});
}

TEST_F(SettingsTest, ChangesFlowOnlyToEnginesHoldingTheOldValue) {
    TveDocSettings settings;
    RecordingEngine first;
    RecordingEngine second;
    settings.DocInfo().SetAuthor(u"A");
    first.SetSettings(&settings);
    second.SetSettings(&settings);
    second.DocInfo().SetAuthor(u"Z");
    settings.DocInfo().SetAuthor(u"B");
    EXPECT_EQ(first.DocInfo().Author(), u"B");
    EXPECT_EQ(second.DocInfo().Author(), u"Z");

    second.DocInfo().SetTitle(u"t");
    settings.DocInfo().SetTitle(u"T");  // "t" differs from "" in letter case and length
    EXPECT_EQ(first.DocInfo().Title(), u"T");
    EXPECT_EQ(second.DocInfo().Title(), u"t");

    settings.SetBackgroundColor(0xFF);
    settings.Preferences().SetProcessAfterEachPage(true);
    settings.Preferences().SetCalculateVariables(false);  // never passed on
    settings.SetMeasurementUnit(muPoints);
    for (RecordingEngine* engine : {&first, &second}) {
        EXPECT_EQ(engine->BackgroundColor(), 0xFFu);
        EXPECT_TRUE(engine->Preferences().ProcessAfterEachPage());
        EXPECT_TRUE(engine->Preferences().CalculateVariables());
        EXPECT_EQ(engine->MeasurementUnit(), muPoints);
    }
}

TEST_F(SettingsTest, PageChangesFlowByTheirPublishedValues) {
    TveDocSettings settings;
    RecordingEngine first;
    RecordingEngine second;
    first.SetSettings(&settings);
    second.SetSettings(&settings);
    second.Page().SetPaperSize(TvePaperSize::Letter);
    settings.Page().SetPaperSize(TvePaperSize::A5);
    EXPECT_EQ(first.Page().PaperSize(), TvePaperSize::A5);
    EXPECT_EQ(second.Page().PaperSize(), TvePaperSize::Letter);

    settings.Page().SetPaperSize(TvePaperSize::Custom);  // first follows, second keeps Letter
    settings.Page().SetWidth(300);
    EXPECT_DOUBLE_EQ(first.Page().Width(), 300);
    EXPECT_DOUBLE_EQ(second.Page().Width(), 8.5 * 96);

    settings.Page().SetLeftMargin(12);
    EXPECT_DOUBLE_EQ(first.Page().LeftMargin(), 12);
    EXPECT_DOUBLE_EQ(second.Page().LeftMargin(), 12);
}

TEST_F(SettingsTest, BackgroundImageIsGivenToEveryEngine) {
    TveDocSettings settings;
    RecordingEngine engine;
    engine.SetSettings(&settings);
    TPicture own;
    const TBitmap ownBitmap = bitmapOf(1, 1);
    own.SetGraphic(&ownBitmap);
    engine.SetBackgroundImage(own);
    TPicture shared;
    const TBitmap sharedBitmap = bitmapOf(5, 5);
    shared.SetGraphic(&sharedBitmap);
    settings.SetBackgroundImage(shared);
    EXPECT_EQ(engine.BackgroundImage().width(), 5);
}

TEST_F(SettingsTest, UnlinkingAndDestructionClearTheLinks) {
    RecordingEngine kept;
    {
        TveDocSettings settings;
        RecordingEngine temporary;
        temporary.SetSettings(&settings);
        kept.SetSettings(&settings);
        EXPECT_EQ(settings.LinkedEngines().size(), 2u);
        TveDocSettings other;
        temporary.SetSettings(&other);
        EXPECT_EQ(settings.LinkedEngines(), std::vector<TveCustomDocumentEngine*>{&kept});
        EXPECT_EQ(other.LinkedEngines().size(), 1u);
    }
    EXPECT_EQ(kept.Settings(), nullptr);
}

TEST_F(SettingsTest, DocInfoAssignCopiesEachText) {
    TveDocInfo source;
    source.SetAuthor(u"a");
    source.SetSubject(u"s");
    source.SetCreator(u"c");
    source.SetTitle(u"t");
    source.SetKeywords(u"k");
    TveDocInfo target;
    target.Assign(source);
    EXPECT_EQ(target.Author(), u"a");
    EXPECT_EQ(target.Subject(), u"s");
    EXPECT_EQ(target.Creator(), u"c");
    EXPECT_EQ(target.Title(), u"t");
    EXPECT_EQ(target.Keywords(), u"k");
}

TEST_F(SettingsTest, PreferencesAssignCopiesOnlyTheBaseFlags) {
    TvePlainSheetPreferences source;
    source.SetOpenAfterCreate(false);
    source.SetOutputToUserStream(true);
    source.ActiveHyperLinks = false;
    TvePlainSheetPreferences target;
    target.Assign(source);
    EXPECT_FALSE(target.OpenAfterCreate());
    EXPECT_TRUE(target.OutputToUserStream());
    EXPECT_TRUE(target.ActiveHyperLinks);
}

class PickyEngine : public RecordingEngine {
public:
    bool SupportsImageFormat(TveOutputImageFormat format, std::string& message) override {
        if (format == ifJPEG || format == ifBMP) return true;
        message = "The PDF Engine does not support image format";
        return false;
    }
};

TEST_F(SettingsTest, RefusedImageFormatShowsTheMessageAndKeepsTheOldValue) {
    PickyEngine engine;
    engine.ImageSettings().SetOutputImageFormat(ifJPEG);
    engine.ImageSettings().SetOutputImageFormat(ifPNG);
    EXPECT_EQ(engine.ImageSettings().OutputImageFormat(), ifJPEG);
    EXPECT_EQ(messageBoxes, std::vector<std::string>{"The PDF Engine does not support image format"});

    TveImageSettings loose;  // no engine: everything goes
    loose.SetOutputImageFormat(ifPNG);
    loose.SetJPEGQuality(500);
    loose.SetSourceDPI(300);
    loose.KeepAspectRatio = true;
    EXPECT_EQ(loose.OutputImageFormat(), ifPNG);
    EXPECT_EQ(loose.JPEGQuality(), 100);
    engine.ImageSettings().Assign(loose);  // through the setter: refused again
    EXPECT_EQ(engine.ImageSettings().OutputImageFormat(), ifJPEG);
    EXPECT_EQ(engine.ImageSettings().SourceDPI(), 300);
    EXPECT_TRUE(engine.ImageSettings().KeepAspectRatio);
    EXPECT_EQ(messageBoxes.size(), 2u);
}

}  // namespace
}  // namespace slidemint
