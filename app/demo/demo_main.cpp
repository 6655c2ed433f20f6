// slidemint-demo OUTPUT.pdf
// Writes a small sample PDF with the document engine: an A4 portrait page,
// an A4 landscape page and a 16:9 slide-sized page, with a slide-show
// transition and document information.
#include <exception>
#include <iostream>
#include <string>

#include "pdf/pdf_engine.hpp"

namespace {

void UsePaper(slidemint::TvePDFEngine& engine, slidemint::TvePaperSize paper,
              slidemint::TvePrinterOrientation orientation) {
    engine.Page().SetPaperSize(paper);
    engine.Page().SetOrientation(orientation);
}

void WriteSample(const std::string& output) {
    using namespace slidemint;
    TvePDFEngine engine;
    engine.Preferences().SetShowSetupDialog(false);
    engine.Preferences().SetOpenAfterCreate(false);
    engine.SetFileName(output);
    engine.DocInfo().SetTitle(u"Slidemint sample");
    engine.DocInfo().SetCreator(u"slidemint-demo");
    engine.ViewerPreferences().PageLayout = TvePageLayout::plSinglePage;
    engine.ViewerPreferences().PresentationMode = {3, TveTransitionEffect::teDissolve};
    engine.SetBackgroundColor(0x00F0E6DC);  // a light blue-grey

    UsePaper(engine, TvePaperSize::A4, poPortrait);
    engine.BeginDoc();
    UsePaper(engine, TvePaperSize::A4, poLandscape);
    engine.NewPage();
    engine.SetMeasurementUnit(muInches);
    UsePaper(engine, TvePaperSize::Custom, poPortrait);
    engine.Page().SetWidth(10);
    engine.Page().SetHeight(5.625);
    engine.NewPage();
    engine.EndDoc();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: slidemint-demo OUTPUT.pdf\n";
        return 2;
    }
    try {
        WriteSample(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "slidemint-demo: could not write " << argv[1] << ": " << error.what() << "\n";
        return 1;
    }
    std::cout << "wrote " << argv[1] << "\n";
    return 0;
}
