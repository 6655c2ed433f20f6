#include "pdf/ex_pdf_engine.hpp"

namespace slidemint {

std::string TveExPDFEngine::EncodeCCITT(const Bitmap&, TveOutputImageFormat) { return {}; }

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
