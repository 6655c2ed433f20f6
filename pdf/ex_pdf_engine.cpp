#include "pdf/ex_pdf_engine.hpp"

#include "pdf/images/ccitt_encoder.hpp"

namespace slidemint {

TveExPDFEngine::TveExPDFEngine(std::unique_ptr<TvePDFPreferences> preferences)
    : TveCustomPDFEngine(std::move(preferences)) {
    ImageWriter().SetCcittEncoder(
        [this](const Bitmap& bitmap, TveOutputImageFormat format) { return EncodeCCITT(bitmap, format); });
}

std::string TveExPDFEngine::EncodeCCITT(const Bitmap& bitmap, TveOutputImageFormat format) {
    return slidemint::EncodeCCITT(bitmap, format);
}

void TveExPDFEngine::WriterBeginDoc() {
    TveCustomPDFEngine::WriterBeginDoc();
    CreateAnnotationList();
}

void TveExPDFEngine::WriterEndPage() {
    CollectPageAnnotations(CurrentPage());
    TveCustomPDFEngine::WriterEndPage();
}

void TveExPDFEngine::WriterEndDoc() {
    WriteAnnotations();
    TveCustomPDFEngine::WriterEndDoc();
}

void TveExPDFEngine::WriterAbortDoc() {
    DiscardAnnotationList();
    TveCustomPDFEngine::WriterAbortDoc();
}

}  // namespace slidemint
