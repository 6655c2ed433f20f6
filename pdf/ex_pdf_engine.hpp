#pragma once

#include <memory>
#include <string>

#include "pdf/annotations/annotation_list.hpp"
#include "pdf/custom_pdf_engine.hpp"

namespace slidemint {

// The PDF writer with annotations: it collects annotation objects while the
// document is recorded, lists them in their page's /Annots and writes them
// before the closing objects of the document. It also implements the fax
// encoding of one-bit images.
class TveExPDFEngine : public TveCustomPDFEngine {
public:
    // Attaches a note to the current page. The engine always takes the
    // annotation: it keeps it until the document is written, or drops it at
    // once when no document is open or the rectangle's top-left corner lies
    // outside the page body's drawing area. The rectangle is given in the
    // measurement unit, relative to that area.
    void AddAnnotation(std::unique_ptr<TvePDFTextAnnot> annot);

    // The fax-coded stream of a one-bit bitmap (format ifCCITT3 or
    // ifCCITT4).
    virtual std::string EncodeCCITT(const Bitmap& bitmap, TveOutputImageFormat format);

protected:
    explicit TveExPDFEngine(
        std::unique_ptr<TvePDFPreferences> preferences = std::make_unique<TvePDFPreferences>());

    void WriterBeginDoc() override;
    void WriterEndPage() override;
    void WriterEndDoc() override;
    void WriterAbortDoc() override;

    // ---- hooks filled in by the annotation part of the writer ---------------
    // A fresh, empty annotation list for the document being begun.
    virtual void CreateAnnotationList();
    // Appends " n 0 R" to PageAnnotRefs for every annotation of the page
    // being output.
    virtual void CollectPageAnnotations(int pageNumber);
    // Writes every annotation object and frees the list.
    virtual void WriteAnnotations();
    // Drops the list without writing it (the document failed).
    virtual void DiscardAnnotationList() noexcept;

private:
    // The drawing area of the page body, whatever band is the target.
    TveRect BodyDrawingArea();

    std::unique_ptr<TveAnnotationList> annotations_;
};

}  // namespace slidemint
