// Default bodies of the hooks through which images, patterns, fonts and
// outlines join the PDF writer. Each writes nothing until its part of the
// writer overrides or fills it in.
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

bool TveCustomPDFEngine::HasOutlineEntries() const { return false; }

void TveCustomPDFEngine::WriteOutlines() {}

}  // namespace slidemint
