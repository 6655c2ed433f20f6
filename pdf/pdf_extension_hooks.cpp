// The hooks through which images, patterns and fonts join the PDF writer
// (the outline hooks live in outlines/). Images and patterns go to the image
// writer; the font hooks write nothing as long as no text is output.
#include "pdf/custom_pdf_engine.hpp"

namespace slidemint {

void TveCustomPDFEngine::RenderImage(const TveImageItem& item) { images_.RenderImage(item); }

void TveCustomPDFEngine::RenderImageStream(const TveImageStream& item) { images_.RenderImageStream(item); }

int TveCustomPDFEngine::WriteBackgroundImage(const TPicture& picture) {
    return images_.WriteBackgroundImage(picture);
}

void TveCustomPDFEngine::WriteBackgroundImageFill(const TvePageInfo& page) {
    images_.WriteBackgroundImageFill(page);
}

std::string TveCustomPDFEngine::GetXObjectEntries() { return images_.GetXObjectEntries(); }

void TveCustomPDFEngine::WritePatterns() { images_.WritePatterns(); }

void TveCustomPDFEngine::ResetTextState() {}

std::string TveCustomPDFEngine::GetFontResourceEntries() { return {}; }

void TveCustomPDFEngine::WriteFonts() {}

}  // namespace slidemint
