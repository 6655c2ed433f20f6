// Document-level output of the PDF writer: header, catalog, page tree,
// shared resources, document information, cross-reference table, trailer.
#include <algorithm>

#include "pdf/creation_date.hpp"
#include "pdf/custom_pdf_engine.hpp"
#include "pdf/pdf_format.hpp"
#include "platform/system_environment.hpp"

namespace slidemint {

namespace {

constexpr std::string_view kHeader = "%PDF-1.4\r\n%\xE2\xE3\xCF\xD3\r\n";

// Whether text holds anything but blanks and control characters.
bool HasVisibleText(const std::u16string& text) {
    return std::any_of(text.begin(), text.end(), [](char16_t c) { return c > u' '; });
}

}  // namespace

void TveCustomPDFEngine::WriterBeginDoc() {
    TveCustomPlainsheetEngine::WriterBeginDoc();
    OpenOutput();
    const SystemEnvironment& environment = SystemEnvironment::current();
    state_->creationDate = PdfCreationDate(environment.now(), environment.timeZoneBiasMinutes());
    state_->writer.Write(kHeader);
    images_.BeginDocument();
}

void TveCustomPDFEngine::OpenOutput() {
    ByteSink* sink = nullptr;
    const bool toUserStream = Preferences().OutputToUserStream();
    if (toUserStream) {
        sink = UserStream();
        if (!sink) throw EngineError("PDF output to a user stream was asked for, but no UserStream is set");
    } else {
        sink = &CreateOutputFile(FileName() + "." + FileExtension);
    }
    state_ = std::make_unique<TvePDFDocumentState>(
        [sink](std::string_view bytes) { sink->write(bytes.data(), bytes.size()); });
    state_->outputIsFile = !toUserStream;
}

void TveCustomPDFEngine::BeginSecurityAndCatalog() {
    TvePDFDocumentState& state = WriterState();
    if (state.catalogWritten) return;
    if (encryption_.Enabled)
        state.security.Begin(FileName() + FileExtension, state.creationDate, encryption_);
    WriteCatalog();
}

void TveCustomPDFEngine::WriteCatalog() {
    TvePDFDocumentState& state = WriterState();
    WriteObject(GetCatalogEntries() + std::string(kCrLf), TvePDFDocumentState::kCatalogObject, true);
    state.catalogWritten = true;
}

std::string TveCustomPDFEngine::GetCatalogEntries() {
    std::string entries = "/Type/Catalog/Pages " + ObjectRef(TvePDFDocumentState::kPagesObject);
    if (HasOutlineEntries()) {
        WriterState().outlinesObjectNumber = NewObjectNumber();
        entries += "/Outlines " + ObjectRef(WriterState().outlinesObjectNumber);
    }
    return entries + viewerPreferences_.GetViewerEntries();
}

void TveCustomPDFEngine::WriterEndDoc() {
    TvePDFDocumentState& state = WriterState();
    // A document whose pages were all left out still needs its catalog.
    BeginSecurityAndCatalog();
    if (HasOutlineEntries()) WriteOutlines();
    WritePagesObject();
    if (state.backgroundImageObject >= 0) state.patternList.push_back({"PI", NewObjectNumber()});
    WriteResources();
    WriteProcSet();
    WritePatterns();
    WriteFonts();
    WriteEncryptionDictionary();
    WriteInfo();
    state.writer.WriteCrossReferenceAndTrailer(GetTrailerEntries());
    if (state.outputIsFile) CommitOutputFile();
    ReleaseWriterState();
}

void TveCustomPDFEngine::WriterAbortDoc() {
    ReleaseWriterState();
    TveCustomPlainsheetEngine::WriterAbortDoc();
}

void TveCustomPDFEngine::ReleaseWriterState() noexcept {
    if (!state_) return;
    state_->security.End();
    state_.reset();
}

int TveCustomPDFEngine::PageCountOutput() const {
    return static_cast<int>(std::count_if(state_->pageInfoList.begin(), state_->pageInfoList.end(),
                                          [](const auto& info) { return info.has_value(); }));
}

void TveCustomPDFEngine::WritePagesObject() {
    std::string kids;
    for (const auto& info : WriterState().pageInfoList) {
        if (!info) continue;
        if (!kids.empty()) kids += ' ';
        kids += ObjectRef(info->ObjectNumber);
    }
    WriteObject("/Type/Pages/Count " + IntToStr(PageCountOutput()) + "/Kids [" + kids + "]\r\n",
                TvePDFDocumentState::kPagesObject, true);
}

void TveCustomPDFEngine::WriteResources() {
    const TvePDFDocumentState& state = WriterState();
    std::string body;
    if (!state.patternList.empty()) {
        body += "/ColorSpace <</CSP [/Pattern /DeviceRGB]>>\r\n/Pattern <<";
        for (const auto& pattern : state.patternList)
            body += "/" + pattern.Name + " " + ObjectRef(pattern.ObjectNumber);
        body += ">>\r\n";
    }
    const std::string fonts = GetFontResourceEntries();
    if (!fonts.empty()) body += "/Font <<" + fonts + ">>\r\n";
    body += "/ProcSet " + ObjectRef(TvePDFDocumentState::kProcSetObject);
    const std::string images = GetXObjectEntries();
    if (!images.empty() || state.backgroundImageObject >= 0) {
        body += "/XObject <<" + images;
        if (state.backgroundImageObject >= 0) body += " /Img0 " + ObjectRef(state.backgroundImageObject);
        body += " >>";
    }
    body += kCrLf;
    WriteObject(body, TvePDFDocumentState::kResourcesObject, true);
}

void TveCustomPDFEngine::WriteProcSet() {
    std::string procSet = "[/PDF";
    if (ItemsToRender.contains(irText)) procSet += " /Text";
    if (ItemsToRender.contains(irImage)) procSet += " /ImageC";
    WriteObject(procSet + "]", TvePDFDocumentState::kProcSetObject, true);
}

std::string TveCustomPDFEngine::InfoTextEntry(const char* key, const std::u16string& value) {
    if (!HasVisibleText(value)) return {};
    return std::string("/") + key + " <" + TextToPdfHex(value, TvePDFDocumentState::kInfoObject) + ">";
}

void TveCustomPDFEngine::WriteInfo() {
    constexpr int info = TvePDFDocumentState::kInfoObject;
    const std::string date = StrToHex(EncryptString(WriterState().creationDate, info));
    std::string body = "/CreationDate <" + date + ">/ModDate <" + date + ">";
    body += "/Producer <" + StrToHex(EncryptString(kProducer, info)) + ">";
    const TveDocInfo& docInfo = DocInfo();
    body += InfoTextEntry("Author", docInfo.Author());
    body += InfoTextEntry("Keywords", docInfo.Keywords());
    body += InfoTextEntry("Creator", docInfo.Creator());
    body += InfoTextEntry("Title", docInfo.Title());
    body += InfoTextEntry("Subject", docInfo.Subject());
    WriteObject(body + std::string(kCrLf), info, true);
}

std::string TveCustomPDFEngine::GetTrailerEntries() {
    const TvePDFDocumentState& state = WriterState();
    return "/Root " + ObjectRef(TvePDFDocumentState::kCatalogObject) + "/Info " +
           ObjectRef(TvePDFDocumentState::kInfoObject) + "/Size " +
           IntToStr(state.writer.ObjectCount() + 1) + state.security.TrailerEntries();
}

}  // namespace slidemint
