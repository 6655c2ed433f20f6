#include "pdf/custom_pdf_engine.hpp"

#include "engine/units.hpp"
#include "pdf/pdf_format.hpp"
#include "pdf/system_colors.hpp"

namespace slidemint {

TveCustomPDFEngine::TveCustomPDFEngine(std::unique_ptr<TvePDFPreferences> preferences)
    : TveCustomPlainsheetEngine(std::move(preferences)),
      screenPPI_(ScreenPPI()),
      pointsPerPixel_(72.0 / screenPPI_) {
    FileExtension = "pdf";
    FileDescription = "Adobe PDF Files";
    SetEngineCapabilities(kCapabilities);
}

TveCustomPDFEngine::~TveCustomPDFEngine() = default;

bool TveCustomPDFEngine::SupportsImageFormat(TveOutputImageFormat format, std::string& message) {
    switch (format) {
        case ifBMP:
        case ifJPEG:
        case ifCCITT3:
        case ifCCITT4: return true;
        default:
            message = "The PDF Engine does not support image format";
            return false;
    }
}

TvePDFDocumentState& TveCustomPDFEngine::WriterState() {
    if (!state_) throw EngineError("The PDF writer has no document open");
    return *state_;
}

int TveCustomPDFEngine::NewObjectNumber() { return WriterState().writer.NewObjectNumber(); }

void TveCustomPDFEngine::WriteObject(std::string_view body, int objectNumber, bool close) {
    WriterState().writer.WriteObject(body, objectNumber, close);
}

void TveCustomPDFEngine::RecordObjectOffset(std::uint64_t offset, int objectNumber) {
    WriterState().writer.RecordObjectOffset(offset, objectNumber);
}

void TveCustomPDFEngine::AddDeferredObject(std::uint64_t offsetInDeferred, int objectNumber) {
    WriterState().writer.AddDeferredObject(offsetInDeferred, objectNumber);
}

std::string& TveCustomPDFEngine::PageContent() { return WriterState().pageContent; }

std::string& TveCustomPDFEngine::DeferredObjects() { return WriterState().writer.DeferredObjects(); }

double TveCustomPDFEngine::InputResX() const { return InputXRes > 0 ? InputXRes : screenPPI_; }

double TveCustomPDFEngine::InputResY() const { return InputYRes > 0 ? InputYRes : screenPPI_; }

double TveCustomPDFEngine::ToPdfX(double x) const {
    return x * pointsPerPixel_ * InputResX() / screenPPI_;
}

const TvePageInfo* TveCustomPDFEngine::OutputPageInfo(int pageNumber) const {
    if (!state_ || pageNumber < 1 || static_cast<std::size_t>(pageNumber) > state_->pageInfoList.size())
        return nullptr;
    const auto& info = state_->pageInfoList[static_cast<std::size_t>(pageNumber) - 1];
    return info ? &*info : nullptr;
}

double TveCustomPDFEngine::ToPdfY(int pageNumber, double y) const {
    const double scale = InputResY() / screenPPI_;
    const double flipped = y * pointsPerPixel_ * scale;
    const TvePageInfo* info = OutputPageInfo(pageNumber);
    if (!info || info->Height == 0) return flipped;
    return info->Height * scale - flipped;
}

std::string TveCustomPDFEngine::ScalingOperator() const {
    return "q " + FormatReal(screenPPI_ / InputResX()) + " 0 0 " + FormatReal(screenPPI_ / InputResY()) +
           " 0 0 cm";
}

std::string TveCustomPDFEngine::ColorToRGBText(TColor color) const {
    return RgbToText(ResolveSystemColor(color));
}

std::string TveCustomPDFEngine::TextToPdfHex(std::u16string_view text, int objectNumber,
                                             int generation) {
    return StrToHex(EncryptString(Utf16BeWithMark(text), objectNumber, generation));
}

}  // namespace slidemint
