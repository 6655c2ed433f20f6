#include <gtest/gtest.h>

#include <stdexcept>

#include "test_support.hpp"

namespace slidemint {
namespace {

using testing::bitmapOf;
using testing::FixedEnvironment;
using testing::RecordingEngine;
using Log = std::vector<std::string>;

class LifecycleTest : public FixedEnvironment {
protected:
    RecordingEngine engine;
};

TEST_F(LifecycleTest, EmptyDocumentHasOnePageAndEventsAroundEachStep) {
    engine.logEvents();
    engine.BeginDoc();
    EXPECT_EQ(engine.EngineStatus(), esDocumentBegun);
    EXPECT_EQ(engine.PageCount(), 1);
    engine.EndDoc();
    const Log expected = {"OnBeforeBeginDoc", "WriterBeginDoc",  "OnAfterBeginDoc", "OnBeforeBeginPage",
                          "WriterBeginPage 1", "OnAfterBeginPage", "OnBeforeEndPage", "WriterEndPage",
                          "OnAfterEndPage",   "OnBeforeEndDoc",  "WriterEndDoc",    "OnAfterEndDoc"};
    EXPECT_EQ(engine.log, expected);
    EXPECT_EQ(engine.EngineStatus(), esDocumentEnded);
    EXPECT_EQ(engine.PageCount(), 0);
    EXPECT_FALSE(engine.DocumentOpen());
}

TEST_F(LifecycleTest, OperationsOutsideADocumentDoNothing) {
    engine.EndDoc();
    engine.NewPage();
    engine.BeginHeader();
    EXPECT_EQ(engine.SaveEngineState(), -1);
    engine.RestoreEngineState(5);
    EXPECT_TRUE(engine.log.empty());
    EXPECT_EQ(engine.EngineStatus(), esIdle);

    engine.BeginDoc();
    engine.BeginDoc();  // already open
    EXPECT_EQ(engine.log, Log{"WriterBeginDoc"});
    EXPECT_EQ(engine.PageCount(), 1);
    engine.EndDoc();
}

TEST_F(LifecycleTest, ItemsAreReplayedInOrderWithBandsAroundThePage) {
    engine.Page().SetHeaderHeight(50);  // an image needs room in the header band
    engine.BeginDoc();
    const int image = engine.AddImage(bitmapOf(4, 4));
    engine.BeginHeader();
    engine.DrawImage({0, 0, 4, 4}, image);
    engine.EndHeader();
    engine.BeginForeground();
    engine.appendItem(std::make_unique<TveTextItem>());
    engine.EndForeground();
    engine.BeginBackground();
    engine.appendItem(std::make_unique<TveClipItem>());
    engine.EndBackground();
    engine.BeginFooter();
    engine.appendItem(std::make_unique<TveEOFItem>());  // the base's end-of-figure hook draws nothing
    engine.EndFooter();
    auto textBox = std::make_unique<TveTextBoxItem>();
    engine.appendItem(std::move(textBox));
    auto stream = std::make_unique<TveImageStream>();
    engine.appendItem(std::move(stream));
    auto line = std::make_unique<TveShapeItem>();
    line->Points = {{1, 2}, {3, 4}};
    engine.appendItem(std::move(line));
    auto polyline = std::make_unique<TveShapeItem>();
    polyline->Kind = skPolyline;
    polyline->Points = {{1, 2}, {3, 4}, {5, 6}};
    engine.appendItem(std::move(polyline));
    auto polygon = std::make_unique<TveShapeItem>();
    polygon->Kind = skPolygon;
    polygon->Brush = TBrush{};
    polygon->Points = {{1, 2}, {3, 4}, {5, 6}};
    engine.appendItem(std::move(polygon));
    auto filled = std::make_unique<TveShapeItem>();
    filled->Kind = skRectangle;
    filled->Brush = TBrush{};
    filled->Points = {{1, 2}, {3, 4}};
    engine.appendItem(std::move(filled));
    auto shortPie = std::make_unique<TveShapeItem>();  // too few points: skipped
    shortPie->Kind = skPie;
    shortPie->Points = {{1, 2}};
    engine.appendItem(std::move(shortPie));
    auto polyShape = std::make_unique<TvePolyShapeItem>();
    polyShape->Shapes.resize(1);
    polyShape->Shapes[0].Kind = skPolyline;
    engine.appendItem(std::move(polyShape));
    auto arcShape = std::make_unique<TvePolyShapeItem>();  // first shape not a polygon: skipped
    arcShape->Shapes.resize(1);
    arcShape->Shapes[0].Kind = skArc;
    engine.appendItem(std::move(arcShape));
    struct CustomItem : TveDocumentItem {};
    engine.appendItem(std::make_unique<CustomItem>());
    engine.log.clear();
    engine.EndDoc();
    const Log expected = {"WriterBeginPage 1",    "RenderImage 0",        "RenderClip",           "RenderTextBox",
                          "RenderImageStream",    "RenderLine 1,2-3,4",   "RenderPolygon open",   "RenderPolygon closed",
                          "RenderRectangle filled", "RenderPolyShape",    "RenderOtherItem",      "RenderText",
                          "WriterEndPage",        "WriterEndDoc"};
    EXPECT_EQ(engine.log, expected);
}

TEST_F(LifecycleTest, FirstPageOnlyBandsAreSkippedOnLaterPages) {
    class FirstPageHeaderEngine : public RecordingEngine {
    public:
        FirstPageHeaderEngine() { SetEngineCapabilities(capability::BaseEngine | capability::HeaderOnFirstPageOnly); }
    } firstPageOnly;
    for (RecordingEngine* e : {&engine, static_cast<RecordingEngine*>(&firstPageOnly)}) {
        e->BeginDoc();
        e->BeginHeader();
        e->appendItem(std::make_unique<TveTextItem>());
        e->EndHeader();
        e->NewPage();
        e->log.clear();
        e->EndDoc();
    }
    EXPECT_EQ(std::count(engine.log.begin(), engine.log.end(), "RenderText"), 2);
    EXPECT_EQ(std::count(firstPageOnly.log.begin(), firstPageOnly.log.end(), "RenderText"), 1);
}

TEST_F(LifecycleTest, PageBorderIsDrawnAlongTheMargins) {
    engine.Page().SetPaperSize(TvePaperSize::Custom);
    engine.Page().SetWidth(100);
    engine.Page().SetHeight(200);
    engine.Page().SetLeftMargin(10);
    engine.Page().SetTopMargin(20);
    engine.Page().SetRightMargin(30);
    engine.Page().SetBottomMargin(40);
    engine.PageBorder().DrawLeft = true;
    engine.PageBorder().DrawBottom = true;
    engine.BeginDoc();
    engine.EndDoc();
    const Log expected = {"WriterBeginDoc", "WriterBeginPage 1", "RenderLine 10,20-10,160", "RenderLine 10,160-70,160",
                          "WriterEndPage", "WriterEndDoc"};
    EXPECT_EQ(engine.log, expected);
}

TEST_F(LifecycleTest, PagesToRenderSelectsPagesButKeepsTheNumbering) {
    struct Case {
        std::string selection;
        Log pages;
    };
    const Case cases[] = {
        {"", {"WriterBeginPage 1", "WriterBeginPage 2", "WriterBeginPage 3", "WriterBeginPage 4", "WriterBeginPage 5"}},
        {"1,3-4", {"WriterBeginPage 1", "WriterBeginPage 3", "WriterBeginPage 4"}},
        {"2-x", {}},
        {"5 \"2\"", {"WriterBeginPage 2", "WriterBeginPage 5"}},
        {"-5,3-,1-2-3,,4-3", {}},
        {"99999999999999,2", {"WriterBeginPage 2"}},
    };
    for (const Case& c : cases) {
        RecordingEngine e;
        e.PagesToRender = c.selection;
        e.BeginDoc();
        for (int i = 0; i < 4; ++i) e.NewPage();
        e.EndDoc();
        Log pages;
        for (const std::string& entry : e.log)
            if (entry.rfind("WriterBeginPage", 0) == 0) pages.push_back(entry);
        EXPECT_EQ(pages, c.pages) << "selection " << c.selection;
    }
}

TEST_F(LifecycleTest, ProcessAfterEachPageRendersWhenTheNextPageBegins) {
    engine.Preferences().SetProcessAfterEachPage(true);
    engine.BeginDoc();
    engine.NewPage();
    EXPECT_EQ(engine.log, (Log{"WriterBeginDoc", "WriterBeginPage 1", "WriterEndPage"}));
    engine.SetCurrentPage(1);  // ignored in this mode
    EXPECT_EQ(engine.CurrentPage(), 2);
    engine.EndDoc();
    EXPECT_EQ(engine.log.back(), "WriterEndDoc");
    EXPECT_EQ(engine.log[3], "WriterBeginPage 2");
}

TEST_F(LifecycleTest, CurrentPageSelectsTheRecordingTarget) {
    engine.BeginDoc();
    const int image = engine.AddImage(bitmapOf(2, 2));
    engine.NewPage();
    engine.NewPage();
    engine.SetCurrentPage(2);
    engine.DrawImage({0, 0, 2, 2}, image);
    EXPECT_THROW(engine.SetCurrentPage(4), EInvalidPageNumber);
    EXPECT_THROW(engine.SetCurrentPage(0), EInvalidPageNumber);
    engine.log.clear();
    engine.EndDoc();
    const Log expected = {"WriterBeginPage 1", "WriterEndPage", "WriterBeginPage 2", "RenderImage 0",
                          "WriterEndPage",     "WriterBeginPage 3", "WriterEndPage", "WriterEndDoc"};
    EXPECT_EQ(engine.log, expected);
}

TEST_F(LifecycleTest, ErrorsGoToTheHandlerWhenOneIsAssigned) {
    std::vector<std::string> reported;
    engine.OnErrorMessage = [&](TveCustomDocumentEngine& sender, std::unique_ptr<EngineError> error) {
        EXPECT_EQ(&sender, &engine);
        reported.push_back(error->what());
        if (dynamic_cast<EInvalidEngineState*>(error.get())) reported.back() += " (state)";
    };
    engine.BeginDoc();
    engine.SetCurrentPage(7);
    engine.RestoreEngineState(3);
    struct Unknown : TGraphic {
        int width() const override { return 1; }
        int height() const override { return 1; }
        std::unique_ptr<TGraphic> clone() const override { return std::make_unique<Unknown>(); }
    };
    EXPECT_EQ(engine.AddImage(Unknown{}), -1);
    EXPECT_EQ(engine.CurrentPage(), 1);
    EXPECT_EQ(reported, (std::vector<std::string>{"Invalid Page Number", "Not a valid Engine State identifier (state)",
                                                  "Unknown Graphics format"}));
    engine.EndDoc();
}

TEST_F(LifecycleTest, EngineStatesSaveAndRestoreTheDrawingSettings) {
    engine.BeginDoc();  // saves state 0
    engine.Pen().Width = 5;
    EXPECT_EQ(engine.SaveEngineState(), 1);
    engine.Pen().Width = 9;
    engine.Font().Size = 30;
    engine.RestoreEngineState();
    EXPECT_EQ(engine.Pen().Width, 5);
    EXPECT_EQ(engine.Font().Size, 10);
    engine.RestoreEngineState(0);
    EXPECT_EQ(engine.Pen().Width, 1);
    EXPECT_THROW(engine.RestoreEngineState(2), EInvalidEngineState);
    EXPECT_THROW(engine.RestoreEngineState(-2), EInvalidEngineState);
    engine.ClearEngineStates();
    EXPECT_THROW(engine.RestoreEngineState(-1), EInvalidEngineState);
    engine.Pen().Width = 7;
    engine.EndDoc();  // still returns to the values at BeginDoc
    EXPECT_EQ(engine.Pen().Width, 1);
}

TEST_F(LifecycleTest, ChangesToPageDuringTheDocumentAreUndoneAtEndDoc) {
    engine.BeginDoc();
    engine.Page().SetOrientation(poLandscape);
    engine.Page().SetLeftMargin(33);
    engine.NewPage();
    EXPECT_EQ(engine.CurrentPageSettings().Orientation(), poLandscape);
    engine.EndDoc();
    EXPECT_EQ(engine.Page().Orientation(), poPortrait);
    EXPECT_DOUBLE_EQ(engine.Page().LeftMargin(), 0);
}

TEST_F(LifecycleTest, CancelledSetupDialogOpensNoDocument) {
    engine.Preferences().SetShowSetupDialog(true);
    int shown = 0;
    engine.SetupDialog = [&](TveCustomDocumentEngine&) { return ++shown == 1 ? mrCancel : mrOk; };
    engine.BeginDoc();
    EXPECT_FALSE(engine.DocumentOpen());
    EXPECT_EQ(engine.EngineStatus(), esSetupCancelled);
    engine.BeginDoc();
    EXPECT_TRUE(engine.DocumentOpen());
    engine.EndDoc();
}

TEST_F(LifecycleTest, FileNameDropsItsExtensionAndIsFixedWhileOpen) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Out\\report.pdf", "C:\\Out\\report"},
        {"/tmp/a.b/report", "/tmp/a.b/report"},
        {"deck.v2.pdf", "deck.v2"},
    };
    for (const auto& [given, stored] : cases) {
        engine.SetFileName(given);
        EXPECT_EQ(engine.FileName(), stored);
    }
    engine.BeginDoc();
    engine.SetFileName("other.pdf");
    EXPECT_EQ(engine.FileName(), "deck.v2");
    engine.EndDoc();
}

TEST_F(LifecycleTest, OpenAfterCreateOpensTheFirstCreatedFile) {
    const std::string target = ::testing::TempDir() + "open_after_create.out";
    engine.outputName = target;
    engine.Preferences().SetOpenAfterCreate(true);
    engine.BeginDoc();
    engine.EndDoc();
    EXPECT_EQ(opened, std::vector<std::string>{target});
    std::remove(target.c_str());
}

}  // namespace
}  // namespace slidemint
