// Construction, properties and the document lifecycle of the engine.

#include "engine/custom_document_engine.hpp"

#include "engine/doc_settings.hpp"
#include "engine/engine_state.hpp"
#include "engine/output_file.hpp"
#include "platform/desktop_shell.hpp"

namespace slidemint {

TveCustomDocumentEngine::TveCustomDocumentEngine(std::unique_ptr<TvePreferences> preferences)
    : InputXRes(ScreenPPI()), InputYRes(ScreenPPI()),
      preferences_(preferences ? std::move(preferences) : std::make_unique<TvePlainSheetPreferences>()),
      imageSettings_(this), unitFactor_(UnitFactor(muInches)) {
    SetMeasurementUnit(muInches);
}

TveCustomDocumentEngine::~TveCustomDocumentEngine() {
    if (settings_) settings_->UnlinkEngine(*this);
    DiscardOutputFile();
}

std::string TveCustomDocumentEngine::About() { return "Slidemint document engine"; }

std::string TveCustomDocumentEngine::Version() { return "0.1.0"; }

// ---- properties -------------------------------------------------------------

void TveCustomDocumentEngine::SetMeasurementUnit(TveUnitType unit) {
    measurementUnit_ = unit;
    unitFactor_ = UnitFactor(unit);
    page_.SetUnitFactor(unitFactor_);
    textFormatting_.UnitFactor = unitFactor_;
    tableSettings_.UnitFactor = unitFactor_;
}

void TveCustomDocumentEngine::SetReferencePoint(TveReferencePoint point) {
    referencePoint_ = point;
    recomputeArea();
}

void TveCustomDocumentEngine::SetSettings(TveDocSettings* settings) {
    if (settings_) settings_->UnlinkEngine(*this);
    settings_ = settings;
    if (settings_) settings_->LinkEngine(*this);
}

void TveCustomDocumentEngine::SetFileNameValue(const std::string& name) {
    if (documentOpen_) return;
    const std::size_t separator = name.find_last_of("/\\:");
    const std::size_t dot = name.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (separator == std::string::npos || dot > separator);
    fileName_ = hasExtension ? name.substr(0, dot) : name;
}

const TGraphic* TveCustomDocumentEngine::ImageAt(int index) const {
    if (index < 0 || index >= ImageCount()) return nullptr;
    return images_[static_cast<std::size_t>(index)].get();
}

const TvePageSettings& TveCustomDocumentEngine::CurrentPageSettings() const {
    const TvePageItem* page = pageAt(currentPage_);
    return page ? page->PageSettings : page_;
}

TvePageItem* TveCustomDocumentEngine::pageAt(int pageNumber) const {
    if (pageNumber < 1 || pageNumber > static_cast<int>(pages_.size())) return nullptr;
    return pages_[static_cast<std::size_t>(pageNumber - 1)].get();
}

bool TveCustomDocumentEngine::SupportsImageFormat(TveOutputImageFormat, std::string& message) {
    message.clear();
    return true;
}

void TveCustomDocumentEngine::fire(const NotifyEvent& event) {
    if (event) event(*this);
}

// ---- lifecycle ------------------------------------------------------------------

void TveCustomDocumentEngine::BeginDoc() {
    if (documentOpen_) return;
    if (Preferences().ShowSetupDialog() && !runSetupDialog()) {
        engineStatus_ = esSetupCancelled;
        return;
    }
    fire(OnBeforeBeginDoc);
    openDocument();
    try {
        NewPage();
        writerStarted_ = true;
        WriterBeginDoc();
    } catch (...) {
        abortDocument();
        throw;
    }
    engineStatus_ = esDocumentBegun;
    fire(OnAfterBeginDoc);
}

bool TveCustomDocumentEngine::runSetupDialog() {
    const int result = SetupDialog ? SetupDialog(*this) : ShowDefaultSetupDialog();
    return result != mrCancel;
}

int TveCustomDocumentEngine::ShowDefaultSetupDialog() { return mrOk; }

void TveCustomDocumentEngine::openDocument() {
    documentOpen_ = true;
    clearDocumentLists();
    createdFiles_.clear();
    SaveEngineState();
    beginDocState_ = std::make_unique<TveEngineState>(captureState());
}

void TveCustomDocumentEngine::NewPage() {
    if (!documentOpen_) return;
    if (currentPage_ > 0) {
        PlayMetafileIntoPage();
        if (Preferences().ProcessAfterEachPage()) {
            try {
                renderPage(currentPage_);
            } catch (...) {
                abortDocument();
                throw;
            }
        }
    }
    ++pageCount_;
    currentPage_ = pageCount_;
    pages_.push_back(std::make_unique<TvePageItem>(this, page_));
    selectTarget(bkPage);
}

void TveCustomDocumentEngine::SetCurrentPage(int pageNumber) {
    if (Preferences().ProcessAfterEachPage()) return;
    if (pageNumber < 1 || pageNumber > pageCount_) {
        ReportError<EInvalidPageNumber>();
        return;
    }
    if (currentPage_ > 0) PlayMetafileIntoPage();
    currentPage_ = pageNumber;
    selectTarget(bkPage);
}

void TveCustomDocumentEngine::EndDoc() {
    if (!documentOpen_) return;
    try {
        PlayMetafileIntoPage();
        renderAllPages();
        finishDocument();
    } catch (...) {
        abortDocument();
        throw;
    }
    openFinishedFile();
    closeDocument();
    engineStatus_ = esDocumentEnded;
}

void TveCustomDocumentEngine::renderAllPages() {
    if (Preferences().ProcessAfterEachPage()) {
        renderPage(currentPage_);
        return;
    }
    for (int n = 1; n <= pageCount_; ++n) {
        currentPage_ = n;
        selectTarget(bkPage);
        renderPage(n);
    }
}

void TveCustomDocumentEngine::finishDocument() {
    fire(OnBeforeEndDoc);
    pages_.clear();
    target_ = nullptr;
    WriterEndDoc();
    writerStarted_ = false;
    CommitOutputFile();
    fire(OnAfterEndDoc);
}

void TveCustomDocumentEngine::openFinishedFile() {
    if (Preferences().OpenAfterCreate() && !createdFiles_.empty())
        DesktopShell::current().openDocument(createdFiles_.front());
}

void TveCustomDocumentEngine::closeDocument() noexcept {
    if (!documentOpen_) return;
    try {
        if (beginDocState_) applyState(*beginDocState_);
    } catch (...) {
        // A writer that refuses the saved image format keeps its current one.
    }
    beginDocState_.reset();
    clearDocumentLists();
    documentOpen_ = false;
}

void TveCustomDocumentEngine::clearDocumentLists() noexcept {
    for (TveBandItem& band : bands_) band = TveBandItem();
    pages_.clear();
    images_.clear();
    states_.clear();
    currentPage_ = 0;
    pageCount_ = 0;
    target_ = nullptr;
    targetBand_ = bkPage;
}

void TveCustomDocumentEngine::abortDocument() noexcept {
    if (writerStarted_) {
        writerStarted_ = false;
        WriterAbortDoc();
    }
    DiscardOutputFile();
    closeDocument();
    engineStatus_ = esOutputFailed;
}

// ---- output files ---------------------------------------------------------------

ByteSink& TveCustomDocumentEngine::CreateOutputFile(const std::string& fullName) {
    try {
        if (outputFile_) CommitOutputFile();
        outputFile_ = std::make_unique<OutputFile>(fullName);
    } catch (const std::exception&) {
        engineStatus_ = esOutputFailed;
        DiscardOutputFile();
        for (const std::string& created : createdFiles_) std::remove(created.c_str());
        closeDocument();
        throw EFileCreateError();
    }
    createdFiles_.push_back(fullName);
    return *outputFile_;
}

void TveCustomDocumentEngine::CommitOutputFile() {
    if (!outputFile_) return;
    std::unique_ptr<OutputFile> file = std::move(outputFile_);
    file->commit();
}

void TveCustomDocumentEngine::DiscardOutputFile() noexcept {
    if (!outputFile_) return;
    outputFile_->discard();
    outputFile_.reset();
}

// ---- writer hooks: the base writes nothing --------------------------------------------

void TveCustomDocumentEngine::WriterBeginDoc() {}
void TveCustomDocumentEngine::WriterBeginPage() {}
void TveCustomDocumentEngine::WriterEndPage() {}
void TveCustomDocumentEngine::WriterEndDoc() {}
void TveCustomDocumentEngine::WriterAbortDoc() {}

}  // namespace slidemint
