#pragma once

// A PDF document set up for a fixed 96-pixel-per-inch screen and a page
// measured in pixels.

#include "pdf/pdf_engine.hpp"
#include "platform/system_environment.hpp"

#include <filesystem>
#include <random>

namespace slidemint::testing {

// Fixes the screen's pixels per inch for as long as it lives.
struct FixedScreen {
    explicit FixedScreen(int pixelsPerInch) { SystemEnvironment::current().setScreenPPI(pixelsPerInch); }
    ~FixedScreen() { SystemEnvironment::current().resetToSystem(); }
    FixedScreen(const FixedScreen&) = delete;
    FixedScreen& operator=(const FixedScreen&) = delete;
};

// Each document goes to its own folder, removed at the end.
class ImagePdfDocument {
public:
    ImagePdfDocument(int pageWidth, int pageHeight, int screenPPI = 96) : screen_(screenPPI) {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() / ("slidemint-images-" + std::to_string(random()));
        std::filesystem::create_directories(folder_);
        engine.Preferences().SetShowSetupDialog(false);
        engine.Preferences().SetOpenAfterCreate(false);
        engine.SetFileName((folder_ / "out.pdf").string());
        engine.SetMeasurementUnit(muPixels);
        engine.InputXRes = 96;
        engine.InputYRes = 96;
        engine.Page().SetPaperSize(TvePaperSize::Custom);
        engine.Page().SetWidth(pageWidth);
        engine.Page().SetHeight(pageHeight);
    }
    ~ImagePdfDocument() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    ImagePdfDocument(const ImagePdfDocument&) = delete;
    ImagePdfDocument& operator=(const ImagePdfDocument&) = delete;

    std::string path() const { return (folder_ / "out.pdf").string(); }

private:
    FixedScreen screen_;  // before the engine, which reads the screen when it is made

public:
    TvePDFEngine engine;

private:
    std::filesystem::path folder_;
};

}  // namespace slidemint::testing
