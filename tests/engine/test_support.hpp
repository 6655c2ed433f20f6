#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/plainsheet_engine.hpp"
#include "platform/desktop_shell.hpp"
#include "platform/system_environment.hpp"

namespace slidemint::testing {

// Fixes every outside input (screen, clock, zone, code page, formats) and
// silences the desktop shell for the duration of a test.
class FixedEnvironment : public ::testing::Test {
protected:
    void SetUp() override {
        SystemEnvironment& environment = SystemEnvironment::current();
        environment.setScreenPPI(96);
        environment.setFixedNow(LocalDateTime{2024, 3, 5, 14, 7, 9, 0});
        environment.setTimeZoneBiasMinutes(-60);
        environment.setCodePage("CP1252");
        environment.setDateTimeFormats(DateTimeFormats{"%d.%m.%Y", "%A, %d %B %Y", "%H:%M", "%H:%M:%S", "C"});
        DesktopShell::current().setOpenDocumentHandler([this](const std::string& path) { opened.push_back(path); });
        DesktopShell::current().setErrorMessageHandler(
            [this](const std::string& text) { messageBoxes.push_back(text); });
    }
    void TearDown() override {
        SystemEnvironment::current().resetToSystem();
        DesktopShell::current().reset();
    }

    std::vector<std::string> opened;
    std::vector<std::string> messageBoxes;
};

// A writer that logs every hook it receives, and can be told to fail in
// one of them.
class RecordingEngine : public TveCustomPlainsheetEngine {
public:
    RecordingEngine() {
        Preferences().SetShowSetupDialog(false);
        Preferences().SetOpenAfterCreate(false);
        SetMeasurementUnit(muPixels);
    }

    std::vector<std::string> log;
    std::string failIn;
    std::vector<TveImageItem> images;
    std::vector<std::string> pageTexts;  // the page-placeholder test text, expanded per page
    std::u16string textToExpand;

    void logEvents() {
        auto logAs = [this](const char* name) { return [this, name](TveCustomDocumentEngine&) { log.push_back(name); }; };
        OnBeforeBeginDoc = logAs("OnBeforeBeginDoc");
        OnAfterBeginDoc = logAs("OnAfterBeginDoc");
        OnBeforeEndDoc = logAs("OnBeforeEndDoc");
        OnAfterEndDoc = logAs("OnAfterEndDoc");
        OnBeforeBeginPage = logAs("OnBeforeBeginPage");
        OnAfterBeginPage = logAs("OnAfterBeginPage");
        OnBeforeEndPage = logAs("OnBeforeEndPage");
        OnAfterEndPage = logAs("OnAfterEndPage");
    }

    using TveCustomDocumentEngine::CreateOutputFile;
    using TveCustomDocumentEngine::DrawingArea;

    std::string outputName;  // when set, WriterBeginDoc creates this file
    ByteSink* output = nullptr;

protected:
    void hook(const std::string& name) {
        log.push_back(name);
        if (name == failIn) throw std::runtime_error("disk full in " + name);
    }
    void WriterBeginDoc() override {
        hook("WriterBeginDoc");
        if (!outputName.empty()) output = &CreateOutputFile(outputName);
        if (output) output->write("begin;");
    }
    void WriterBeginPage() override {
        hook("WriterBeginPage " + std::to_string(CurrentPage()));
        if (!textToExpand.empty()) {
            std::u16string text = ExpandVariables(textToExpand, true);
            pageTexts.emplace_back(text.begin(), text.end());
        }
    }
    void WriterEndPage() override {
        hook("WriterEndPage");
        if (output) output->write("page;");
    }
    void WriterEndDoc() override {
        hook("WriterEndDoc");
        if (output) output->write("end;");
    }
    void WriterAbortDoc() override {
        log.push_back("WriterAbortDoc");
        output = nullptr;
    }
    void RenderImage(const TveImageItem& item) override {
        hook("RenderImage " + std::to_string(item.ImageIndex));
        images.push_back(item);
    }
    void RenderImageStream(const TveImageStream&) override { hook("RenderImageStream"); }
    void RenderText(const TveTextItem&) override { hook("RenderText"); }
    void RenderTextBox(const TveTextBoxItem&) override { hook("RenderTextBox"); }
    void RenderLine(const TPen&, TvePoint from, TvePoint to) override {
        hook("RenderLine " + std::to_string(int(from.X)) + "," + std::to_string(int(from.Y)) + "-" +
             std::to_string(int(to.X)) + "," + std::to_string(int(to.Y)));
    }
    void RenderRectangle(const TPen&, const TBrush* brush, const TveRect&) override {
        hook(brush ? "RenderRectangle filled" : "RenderRectangle");
    }
    void RenderPolygon(const std::vector<TvePoint>&, const TBrush*, const TPen&, bool closed) override {
        hook(closed ? "RenderPolygon closed" : "RenderPolygon open");
    }
    void RenderArc(const TPen&, const TveRect&, TvePoint, TvePoint) override { hook("RenderArc"); }
    void RenderPie(const TPen&, const TBrush*, const TveRect&, TvePoint, TvePoint) override { hook("RenderPie"); }
    void RenderPolyShape(const TvePolyShapeItem&) override { hook("RenderPolyShape"); }
    void RenderClip(const TveClipItem&) override { hook("RenderClip"); }
    void RenderOtherItem(const TveDocumentItem&) override { hook("RenderOtherItem"); }

public:
    // Appends an item straight to the current target (the recording
    // operations for these kinds belong to the text and shape layers).
    void appendItem(std::unique_ptr<TveDocumentItem> item) { TargetBandItem()->Items.push_back(std::move(item)); }
};

// A small bitmap graphic of the given pixel size.
inline TBitmap bitmapOf(int width, int height) { return TBitmap(Bitmap(width, height, PixelFormat::Bgr24)); }

}  // namespace slidemint::testing
