#include "pdf/images/pdf_image_writer.hpp"

#include "pdf/custom_pdf_engine.hpp"
#include "pdf/images/image_encoders.hpp"
#include "pdf/images/item_bitmap.hpp"
#include "pdf/pdf_format.hpp"
#include "pdf/system_colors.hpp"

namespace slidemint {

TvePDFImageWriter::TvePDFImageWriter(TveCustomPDFEngine& engine, CcittEncoder ccitt)
    : engine_(engine), ccitt_(std::move(ccitt)) {}

void TvePDFImageWriter::BeginDocument() {
    variants_.Clear();
    backgroundRect_ = {};
}

int TvePDFImageWriter::currentPage() const {
    return static_cast<int>(engine_.WriterState().currentPageIndex) + 1;
}

// A vertical length in content-stream units: page number 0 has no page
// height, so the writer's y conversion applies its scale without the flip.
double TvePDFImageWriter::lengthY(double y) const { return engine_.ToPdfY(0, y); }

void TvePDFImageWriter::RenderImage(const TveImageItem& item) {
    if (!engine_.ItemsToRender.contains(irImage)) return;
    const TGraphic* graphic = engine_.ImageAt(item.ImageIndex);
    if (!graphic || graphic->empty()) return;
    TveImageSettings settings(item.ImageSettings);
    auto reusable = variants_.FindMatch(item.ImageIndex, item, settings, graphic->width(), graphic->height());
    int j = reusable ? *reusable : writeVariant(item, settings, *graphic);
    engine_.PageContent() += PlaceImage(variants_.Name(item.ImageIndex, j), item);
}

TvePDFImageWriter::EncodedImage TvePDFImageWriter::encodeItem(const TveImageItem& item, TveImageSettings& settings,
                                                              const TGraphic& graphic) {
    TColor ground = ResolveSystemColor(item.Brush.Color);
    TveOutputImageFormat format = settings.OutputImageFormat();
    bool fax = format == ifCCITT3 || format == ifCCITT4;
    if (fax) settings.ImagePixelFormat = pf1bit;
    PreparedBitmap prepared = PrepareItemBitmap(item, settings, graphic, ground);
    const Bitmap& bitmap = prepared.get();
    EncodedImage encoded{{}, bitmap.width(), bitmap.height()};
    if (fax) {
        if (ccitt_) encoded.data = ccitt_(bitmap, format);
    } else if (format == ifJPEG) {
        encoded.data = EncodeJPEG(bitmap, settings.JPEGQuality());
        encoded.height = std::max(encoded.height, 2);
    } else {
        const TveCompression& compression = engine_.Compression();
        CompressStream(BitmapToRGB(bitmap), encoded.data, compression.Level, compression.Enabled);
    }
    return encoded;
}

int TvePDFImageWriter::writeVariant(const TveImageItem& item, TveImageSettings& settings, const TGraphic& graphic) {
    EncodedImage encoded = encodeItem(item, settings, graphic);
    int n = engine_.NewObjectNumber();
    TvePDFImageSettings variant(settings);
    variant.ObjectNumber = n;
    variant.Width = item.Width;
    variant.Height = item.Height;
    variant.GroundColor = item.Brush.Color;
    int j = variants_.Add(item.ImageIndex, variant);

    TveOutputImageFormat format = settings.OutputImageFormat();
    bool fax = format == ifCCITT3 || format == ifCCITT4;
    std::string colour = "/ColorSpace/DeviceRGB";
    if (fax)
        colour = "/ColorSpace/DeviceGray /DecodeParms [<</K " + std::string(format == ifCCITT3 ? "0" : "-1") +
                 " /Columns " + IntToStr(encoded.width) + " /Rows " + IntToStr(encoded.height) + " >>]";
    std::string dictionary = "/Type/XObject/Subtype/Image/Name/" + variants_.Name(item.ImageIndex, j) + "/Width " +
                             IntToStr(encoded.width) + "/Height " + IntToStr(encoded.height) +
                             "/BitsPerComponent " + (fax ? "1" : "8") +
                             FilterEntry(format, engine_.Compression().Enabled) + colour;
    appendImageObject(n, dictionary, std::move(encoded.data));
    return j;
}

void TvePDFImageWriter::appendImageObject(int objectNumber, const std::string& dictionary, std::string data) {
    std::string& deferred = engine_.DeferredObjects();
    engine_.AddDeferredObject(deferred.size(), objectNumber);
    deferred += IntToStr(objectNumber) + " 0 obj\r\n<< " + dictionary + "/Length " +
                IntToStr(static_cast<long long>(data.size())) + ">>\r\nstream\r\n";
    engine_.EncryptStream(data, data.size(), objectNumber);
    deferred += data;
    deferred += "\r\nendstream\r\nendobj\r\n";
}

void TvePDFImageWriter::RenderImageStream(const TveImageStream& item) {
    if (!engine_.ItemsToRender.contains(irImage)) return;
    int n = engine_.NewObjectNumber();
    TvePDFImageSettings variant(item.ImageSettings);
    variant.ObjectNumber = n;
    variant.Width = item.Width;
    variant.Height = item.Height;
    int j = variants_.Add(item.ImageIndex, variant);
    const std::string& name = variants_.Name(item.ImageIndex, j);
    appendImageObject(n,
                      "/Type/XObject/Subtype/Image/Name/" + name + "/Width " + IntToStr(item.PixelWidth) +
                          "/Height " + IntToStr(item.PixelHeight) +
                          "/BitsPerComponent 8/ColorSpace/DeviceRGB/Filter/DCTDecode",
                      std::string(item.Data.begin(), item.Data.end()));
    engine_.PageContent() += PlaceImage(name, item);
}

std::string TvePDFImageWriter::GetXObjectEntries() const {
    std::string entries;
    for (const auto& [name, objectNumber] : variants_.XObjectEntries()) entries += "/" + name + " " + ObjectRef(objectNumber);
    return entries;
}

}  // namespace slidemint
