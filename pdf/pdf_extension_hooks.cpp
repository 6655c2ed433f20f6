// Default bodies of the hooks through which images, patterns and fonts join
// the PDF writer (the outline hooks live in outlines/). Each writes nothing
// until its part of the writer overrides or fills it in.
#include "pdf/custom_pdf_engine.hpp"

namespace slidemint {

void TveCustomPDFEngine::RenderImage(const TveImageItem&) {}

void TveCustomPDFEngine::RenderImageStream(const TveImageStream&) {}

int TveCustomPDFEngine::WriteBackgroundImage(const TPicture&) { return -1; }

void TveCustomPDFEngine::WriteBackgroundImageFill(const TvePageInfo&) {}

std::string TveCustomPDFEngine::GetXObjectEntries() { return {}; }

void TveCustomPDFEngine::WritePatterns() {}

void TveCustomPDFEngine::ResetTextState() {}

std::string TveCustomPDFEngine::GetFontResourceEntries() { return {}; }

void TveCustomPDFEngine::WriteFonts() {}

}  // namespace slidemint
