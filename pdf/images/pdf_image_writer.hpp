#pragma once

#include "engine/graphic.hpp"
#include "engine/items/image_item.hpp"
#include "pdf/images/image_variants.hpp"
#include "pdf/images/pattern_texts.hpp"

#include <functional>
#include <string>

namespace slidemint {

class TveCustomPDFEngine;
struct TvePageInfo;
struct TvePDFPatternEntry;

// Writes the image XObjects of a PDF document, the operators that place
// them, the page background picture and the pattern objects. It works
// through the services of the PDF writer it belongs to and keeps the
// document's image variants; one instance serves one document at a time.
class TvePDFImageWriter {
public:
    using CcittEncoder = std::function<std::string(const Bitmap&, TveOutputImageFormat)>;

    // Without a fax encoder, fax-coded images get empty data.
    explicit TvePDFImageWriter(TveCustomPDFEngine& engine, CcittEncoder ccitt = {});

    void SetCcittEncoder(CcittEncoder ccitt) { ccitt_ = std::move(ccitt); }

    // Forgets the previous document's XObjects and background.
    void BeginDocument();

    // Writes (or reuses) the XObject of an image item and places it.
    void RenderImage(const TveImageItem& item);
    // Writes the item's JPEG data as a new XObject and places it.
    void RenderImageStream(const TveImageStream& item);

    // "/Img00 n 0 R/Img10 m 0 R..." for every XObject, by image and variant.
    std::string GetXObjectEntries() const;

    // The background picture as the XObject "Img0" among the deferred
    // objects; returns its object number.
    int WriteBackgroundImage(const TPicture& picture);
    // Appends the background fill through the "PI" pattern to PageContent.
    void WriteBackgroundImageFill(const TvePageInfo& page);

    // The pattern name of a hatch brush; the first use in the document adds
    // it to the writer's pattern list.
    std::string GetHatchPattern(TBrushStyle style);
    // Writes every pattern of the pattern list: the hatches and "PI".
    void WritePatterns();

    // Placement operators of XObject `name` for an item, with its frame in
    // front when the item's settings ask for one.
    std::string PlaceImage(const std::string& name, const TveImageItem& item);
    std::string FrameText(const TveImageItem& item);

    const TveImageVariants& ImageVariants() const { return variants_; }
    const BackgroundPlacement& BackgroundImageRect() const { return backgroundRect_; }

private:
    struct EncodedImage {
        std::string data;
        int width = 0;
        int height = 0;
    };

    EncodedImage encodeItem(const TveImageItem& item, TveImageSettings& settings, const TGraphic& graphic);
    int writeVariant(const TveImageItem& item, TveImageSettings& settings, const TGraphic& graphic);
    void appendImageObject(int objectNumber, const std::string& dictionary, std::string data);
    void writePattern(const TvePDFPatternEntry& pattern);
    std::string framePath(double p, double q, double fw, double fh) const;
    std::string frameFill(const TveImageItem& item, const std::string& path);
    std::string frameStroke(const TveImageItem& item, double p, double q, double fw, double fh) const;
    double lengthY(double y) const;
    int currentPage() const;

    TveCustomPDFEngine& engine_;
    CcittEncoder ccitt_;
    TveImageVariants variants_;
    BackgroundPlacement backgroundRect_;
};

}  // namespace slidemint
