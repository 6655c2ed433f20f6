// The page background picture, its tiling pattern "PI", and the hatch
// pattern objects.
#include "pdf/custom_pdf_engine.hpp"
#include "pdf/images/image_encoders.hpp"
#include "pdf/images/item_bitmap.hpp"
#include "pdf/images/pdf_image_writer.hpp"
#include "pdf/pdf_format.hpp"
#include "platform/imaging/bitmap_convert.hpp"

#include <algorithm>

namespace slidemint {

int TvePDFImageWriter::WriteBackgroundImage(const TPicture& picture) {
    if (picture.empty()) return -1;
    Bitmap bitmap = convertBitmap(GraphicPixels(*picture.Graphic()), PixelFormat::Bgr24);
    const TveImageSettings& settings = engine_.ImageSettings();
    const TveCompression& compression = engine_.Compression();
    std::string data;
    std::string filter = "/Filter/DCTDecode";
    int height = bitmap.height();
    if (settings.OutputImageFormat() == ifBMP) {
        CompressStream(BitmapToRGB(bitmap), data, compression.Level, compression.Enabled);
        filter = FilterEntry(ifBMP, compression.Enabled);
    } else {
        data = EncodeJPEG(bitmap, settings.JPEGQuality());
        height = std::max(height, 2);
    }
    int n = engine_.NewObjectNumber();
    std::string& deferred = engine_.DeferredObjects();
    engine_.AddDeferredObject(deferred.size(), n);
    deferred += IntToStr(n) + " 0 obj\r\n<<\r\n/Type/XObject/Subtype/Image/Name/Img0/Width " +
                IntToStr(bitmap.width()) + "/Height " + IntToStr(height) +
                "/BitsPerComponent 8/ColorSpace/DeviceRGB" + filter + "/Length " +
                IntToStr(static_cast<long long>(data.size())) + "\r\n>>\r\nstream\r\n";
    engine_.EncryptStream(data, data.size(), n);
    deferred += data;
    deferred += "\r\nendstream\r\nendobj\r\n";
    backgroundRect_ = {static_cast<double>(bitmap.width()), static_cast<double>(bitmap.height()), 0, 0};
    return n;
}

void TvePDFImageWriter::WriteBackgroundImageFill(const TvePageInfo& page) {
    const TGraphic* picture = engine_.BackgroundImage().Graphic();
    if (!picture) return;
    TveBackgroundDisplayType type = engine_.BackgroundImageDisplayType();
    backgroundRect_ = PlaceBackground(type, page.Width, page.Height, picture->width(), picture->height());
    engine_.PageContent() += BackgroundFillText(type, backgroundRect_, page.Width, page.Height);
}

std::string TvePDFImageWriter::GetHatchPattern(TBrushStyle style) {
    std::string name = HatchPatternName(style);
    auto& patterns = engine_.WriterState().patternList;
    bool listed = std::any_of(patterns.begin(), patterns.end(), [&](const auto& p) { return p.Name == name; });
    if (!name.empty() && !listed) patterns.push_back({name, engine_.NewObjectNumber()});
    return name;
}

void TvePDFImageWriter::WritePatterns() {
    // Copied: writing may not add patterns, but the list must not move under us.
    const std::vector<TvePDFPatternEntry> patterns = engine_.WriterState().patternList;
    for (const TvePDFPatternEntry& pattern : patterns) writePattern(pattern);
}

void TvePDFImageWriter::writePattern(const TvePDFPatternEntry& pattern) {
    bool background = pattern.Name == "PI";
    std::string body = background
                           ? BackgroundPatternDictionary(engine_.WriterState().backgroundImageObject, backgroundRect_)
                           : HatchPatternDictionary();
    std::string stream = background ? BackgroundPatternStream(backgroundRect_) : HatchPatternStream(pattern.Name);
    const TveCompression& compression = engine_.Compression();
    std::string data;
    CompressStream(stream, data, compression.Level, compression.Enabled);
    int lengthObject = compression.Enabled ? engine_.NewObjectNumber() : 0;
    body += PatternLengthEntries(compression.Enabled, lengthObject, data.size());
    engine_.WriteObject(body, pattern.ObjectNumber, false);
    engine_.EncryptStream(data, data.size(), pattern.ObjectNumber);
    TvePDFObjectWriter& writer = engine_.WriterState().writer;
    writer.Write("stream\r\n");
    writer.Write(data);
    writer.Write("\r\nendstream\r\nendobj\r\n");
    if (compression.Enabled) engine_.WriteObject(IntToStr(static_cast<long long>(data.size())), lengthObject, true);
}

}  // namespace slidemint
