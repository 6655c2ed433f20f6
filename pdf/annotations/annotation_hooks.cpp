// The annotation layer of the PDF writer: accepting annotations while the
// document is recorded, listing them in their page's /Annots, and writing
// their objects at the end of the document.
#include "pdf/annotations/annotation_placement.hpp"
#include "pdf/annotations/annotation_writer.hpp"
#include "pdf/ex_pdf_engine.hpp"

namespace slidemint {

namespace {

class EngineAnnotationServices final : public TveAnnotationServices {
public:
    explicit EngineAnnotationServices(TveCustomPDFEngine& engine) : engine_(engine) {}

    void WriteObject(std::string_view body, int objectNumber) override {
        engine_.WriteObject(body, objectNumber, true);
    }
    std::string TextToPdfHex(std::u16string_view text, int objectNumber) override {
        return engine_.TextToPdfHex(text, objectNumber);
    }
    std::string EncryptString(std::string_view bytes, int objectNumber) override {
        return engine_.EncryptString(bytes, objectNumber);
    }
    std::string ColorToRGBText(TColor color) const override { return engine_.ColorToRGBText(color); }
    std::optional<double> PageHeight(int pageNumber) const override {
        const TvePageInfo* page = engine_.OutputPageInfo(pageNumber);
        if (!page) return std::nullopt;
        return page->Height;
    }
    double PointsPerPixel() const override { return engine_.PointsPerPixel(); }

private:
    TveCustomPDFEngine& engine_;
};

}  // namespace

void TveExPDFEngine::AddAnnotation(std::unique_ptr<TvePDFTextAnnot> annot) {
    if (!annot || !DocumentOpen() || !annotations_) return;
    const TveRect& given = annot->Rect;
    const TveRect rect{ToInternalX(given.Left), ToInternalY(given.Top), ToInternalX(given.Right),
                       ToInternalY(given.Bottom)};
    const std::optional<TveRect> placed = PlaceAnnotationRect(rect, BodyDrawingArea());
    if (!placed) return;
    annot->Rect = *placed;
    annot->PageNo = CurrentPage();
    annotations_->Add(NewObjectNumber(), std::move(annot));
}

TveRect TveExPDFEngine::BodyDrawingArea() {
    const TveBandKind band = TargetBand();
    if (band == bkPage) return DrawingArea();
    EndHeader();  // any band's end makes the page body the target
    const TveRect area = DrawingArea();
    switch (band) {
        case bkHeader: BeginHeader(); break;
        case bkFooter: BeginFooter(); break;
        case bkBackground: BeginBackground(); break;
        case bkForeground: BeginForeground(); break;
        case bkPage: break;
    }
    return area;
}

void TveExPDFEngine::CreateAnnotationList() { annotations_ = std::make_unique<TveAnnotationList>(); }

void TveExPDFEngine::CollectPageAnnotations(int pageNumber) {
    if (annotations_) WriterState().pageAnnotRefs += annotations_->PageReferences(pageNumber);
}

void TveExPDFEngine::WriteAnnotations() {
    if (annotations_ && !annotations_->Empty()) {
        EngineAnnotationServices services(*this);
        WriteAnnotationObjects(*annotations_, SystemEnvironment::current().now(), services);
    }
    annotations_.reset();
}

void TveExPDFEngine::DiscardAnnotationList() noexcept { annotations_.reset(); }

}  // namespace slidemint
