// Page-level output of the PDF writer: the page dictionary, its content
// stream with the scaling operator and the background, and the objects
// produced while the page was rendered.
#include <algorithm>

#include "pdf/custom_pdf_engine.hpp"
#include "pdf/pdf_format.hpp"

namespace slidemint {

void TveCustomPDFEngine::WriterBeginPage() {
    TveCustomPlainsheetEngine::WriterBeginPage();
    ResetTextState();
    BeginSecurityAndCatalog();
    TvePDFDocumentState& state = WriterState();
    state.writer.ClearDeferredObjects();
    state.pageContent = ScalingOperator() + std::string(kCrLf);

    const TvePageSettings& settings = CurrentPageSettings();
    TvePageInfo info;
    info.ObjectNumber = NewObjectNumber();
    info.Width = settings.InternalWidth() * pointsPerPixel_;
    info.Height = settings.InternalHeight() * pointsPerPixel_;
    const auto index = static_cast<std::size_t>(std::max(CurrentPage(), 1) - 1);
    if (state.pageInfoList.size() <= index) state.pageInfoList.resize(index + 1);
    state.pageInfoList[index] = info;
    state.currentPageIndex = index;

    state.contentObjectNumber = NewObjectNumber();
    state.pageAnnotRefs.clear();
    state.lengthObjectNumber = NewObjectNumber();
    WritePageBackground(info);
}

void TveCustomPDFEngine::WritePageBackground(const TvePageInfo& page) {
    TvePDFDocumentState& state = WriterState();
    state.pageContent += "\r\nq\r\n" + ColorToRGBText(BackgroundColor()) + " rg n 0.0000 0.0000 " +
                         FormatReal(page.Width) + " " + FormatReal(page.Height) + " re f \r\n";
    if (!BackgroundImage().empty()) {
        if (state.backgroundImageObject < 0)
            state.backgroundImageObject = WriteBackgroundImage(BackgroundImage());
        if (state.backgroundImageObject >= 0) WriteBackgroundImageFill(page);
    }
    state.pageContent += "\r\nQ";
}

std::string TveCustomPDFEngine::GetPageEntries() {
    const TvePDFDocumentState& state = WriterState();
    const TvePageInfo& page = *state.pageInfoList[state.currentPageIndex];
    std::string entries = "/Type/Page/Parent " + ObjectRef(TvePDFDocumentState::kPagesObject) +
                          "/MediaBox [0 0 " + FormatReal(page.Width) + " " + FormatReal(page.Height) +
                          "]/Resources " + ObjectRef(TvePDFDocumentState::kResourcesObject) +
                          "/Contents " + ObjectRef(state.contentObjectNumber);
    const auto first = state.pageAnnotRefs.find_first_not_of(' ');
    if (Preferences().ActiveHyperLinks && first != std::string::npos) {
        const auto last = state.pageAnnotRefs.find_last_not_of(' ');
        entries += "/Annots [" + state.pageAnnotRefs.substr(first, last - first + 1) + "]";
    }
    const TvePresentationMode& presentation = viewerPreferences_.PresentationMode;
    return entries + TveViewerPreferences::GetTransitionEntries(presentation.Duration,
                                                                presentation.TransitionEffect);
}

void TveCustomPDFEngine::WriterEndPage() {
    TvePDFDocumentState& state = WriterState();
    const TvePageInfo& page = *state.pageInfoList[state.currentPageIndex];
    WriteObject(GetPageEntries() + std::string(kCrLf), page.ObjectNumber, true);
    WritePageContentStream();
    state.writer.FlushDeferredObjects();
    TveCustomPlainsheetEngine::WriterEndPage();
}

void TveCustomPDFEngine::WritePageContentStream() {
    TvePDFDocumentState& state = WriterState();
    std::string dictionary = "/Length " + ObjectRef(state.lengthObjectNumber);
    if (compression_.Enabled) dictionary += "/Filter /FlateDecode";
    WriteObject(dictionary + std::string(kCrLf), state.contentObjectNumber, false);
    state.pageContent += "\r\nQ\r\n";
    state.writer.Write("stream\r\n");
    std::string data;
    const std::size_t length =
        CompressStream(state.pageContent, data, compression_.Level, compression_.Enabled);
    EncryptStream(data, data.size(), state.contentObjectNumber);
    state.writer.Write(data);
    state.writer.Write("\r\nendstream\r\nendobj\r\n");
    WriteObject(IntToStr(static_cast<long long>(length)), state.lengthObjectNumber, true);
}

}  // namespace slidemint
