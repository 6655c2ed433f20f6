#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/plainsheet_engine.hpp"
#include "pdf/compression.hpp"
#include "pdf/images/pdf_image_writer.hpp"
#include "pdf/pdf_document_state.hpp"
#include "pdf/pdf_font_encoding.hpp"
#include "pdf/pdf_preferences.hpp"
#include "pdf/security/encryption_settings.hpp"
#include "pdf/viewer_preferences.hpp"

namespace slidemint {

// The PDF 1.4 writer on top of the document engine. It receives the
// recorded pages through the writer hooks and writes one file: header,
// catalog, one page object with a Flate content stream per page, a flat
// page tree, one shared resources dictionary, the document information,
// the cross-reference table and the trailer.
//
// Images, patterns, fonts, outlines, annotations and the encryption
// dictionary plug in through the protected hooks below; every string and
// stream is passed through EncryptString / EncryptStream with the number of
// the object that holds it.
class TveCustomPDFEngine : public TveCustomPlainsheetEngine {
public:
    static constexpr const char* kProducer = "Korvella Pressline V2.1";
    static constexpr std::uint16_t kCapabilities = 0x0387;

    ~TveCustomPDFEngine() override;

    // ---- published settings ------------------------------------------------
    TveCompression& Compression() { return compression_; }
    const TveCompression& Compression() const { return compression_; }
    void SetCompression(const TveCompression& value) { compression_ = value; }

    TveViewerPreferences& ViewerPreferences() { return viewerPreferences_; }
    const TveViewerPreferences& ViewerPreferences() const { return viewerPreferences_; }
    void SetViewerPreferences(const TveViewerPreferences& value) { viewerPreferences_ = value; }

    TvePDFEncryptionSettings& Encryption() { return encryption_; }
    const TvePDFEncryptionSettings& Encryption() const { return encryption_; }
    void SetEncryption(const TvePDFEncryptionSettings& value) { encryption_.Assign(value); }

    TvePDFPreferences& Preferences() {
        return static_cast<TvePDFPreferences&>(TveCustomDocumentEngine::Preferences());
    }
    const TvePDFPreferences& Preferences() const {
        return static_cast<const TvePDFPreferences&>(TveCustomDocumentEngine::Preferences());
    }

    TvePDFFontEncoding FontEncoding = TvePDFFontEncoding::feWinAnsiEncoding;
    std::vector<std::string> FontEmbedExcludeList;
    bool BiDi = false;

    // Points per engine unit: 72 / ScreenPPI as it was at construction.
    double PointsPerPixel() const { return pointsPerPixel_; }

    // True for ifBMP, ifJPEG, ifCCITT3 and ifCCITT4.
    bool SupportsImageFormat(TveOutputImageFormat format, std::string& message) override;

    // ---- writer services shared by every part of the PDF writer -----------
    // Valid between WriterBeginDoc and the end of WriterEndDoc.
    bool WriterActive() const { return state_ != nullptr; }
    TvePDFDocumentState& WriterState();

    int NewObjectNumber();
    void WriteObject(std::string_view body, int objectNumber, bool close);
    void RecordObjectOffset(std::uint64_t offset, int objectNumber);
    void AddDeferredObject(std::uint64_t offsetInDeferred, int objectNumber);
    std::string& PageContent();
    std::string& DeferredObjects();

    // The written page object of page n (1-based), or nothing when that
    // page has not been output (or was left out by PagesToRender).
    const TvePageInfo* OutputPageInfo(int pageNumber) const;

    // Engine units to PDF coordinates before the page's scaling operator.
    double ToPdfX(double x) const;
    double ToPdfY(int pageNumber, double y) const;

    // A colour as "r g b"; system colours are resolved first.
    std::string ColorToRGBText(TColor color) const;
    // UTF-16BE with FE FF, through EncryptString, as hexadecimal digits.
    std::string TextToPdfHex(std::u16string_view text, int objectNumber, int generation = 0);

    // Every string and every stream goes through these with the number of
    // the object that holds it. Both leave data unchanged when the document
    // is not encrypted.
    virtual std::string EncryptString(std::string_view data, int objectNumber, int generation = 0);
    virtual void EncryptStream(std::string& stream, std::size_t count, int objectNumber,
                               int generation = 0);

protected:
    explicit TveCustomPDFEngine(
        std::unique_ptr<TvePDFPreferences> preferences = std::make_unique<TvePDFPreferences>());

    // ---- writer hooks of the engine -----------------------------------------
    void WriterBeginDoc() override;
    void WriterBeginPage() override;
    void WriterEndPage() override;
    void WriterEndDoc() override;
    void WriterAbortDoc() override;

    // ---- dictionary bodies -----------------------------------------------------
    virtual std::string GetCatalogEntries();
    virtual std::string GetPageEntries();
    virtual std::string GetTrailerEntries();
    virtual void WriteEncryptionDictionary();

    // The writer of image XObjects, the background picture and patterns.
    TvePDFImageWriter& ImageWriter() { return images_; }

    // ---- hooks filled in by images, patterns, fonts and outlines --------------
    // Image items.
    void RenderImage(const TveImageItem& item) override;
    void RenderImageStream(const TveImageStream& item) override;
    // Writes the background picture as an image XObject into the deferred
    // objects and returns its number, or -1 when nothing was written.
    virtual int WriteBackgroundImage(const TPicture& picture);
    // Appends the fill of the background image to PageContent.
    virtual void WriteBackgroundImageFill(const TvePageInfo& page);
    // "/Img<i><j> n 0 R" for every image XObject written, in image order.
    virtual std::string GetXObjectEntries();
    // The pattern objects of PatternList.
    virtual void WritePatterns();
    // Starts a page's text output afresh.
    virtual void ResetTextState();
    // "/F<i> n 0 R " for every font used, in order of first use.
    virtual std::string GetFontResourceEntries();
    virtual void WriteFonts();
    // Whether the catalog points at an outline root: when the document has
    // outline entries, and always when pages are output one at a time (the
    // catalog then goes out before later entries are known). WriteOutlines
    // writes the tree under OutlinesObjectNumber.
    virtual bool HasOutlineEntries() const;
    virtual void WriteOutlines();

private:
    void OpenOutput();
    void BeginSecurityAndCatalog();
    void WriteCatalog();
    void WritePageBackground(const TvePageInfo& page);
    void WritePageContentStream();
    std::string ScalingOperator() const;
    int PageCountOutput() const;
    void WritePagesObject();
    void WriteResources();
    void WriteProcSet();
    void WriteInfo();
    std::string InfoTextEntry(const char* key, const std::u16string& value);
    void ReleaseWriterState() noexcept;
    double InputResX() const;
    double InputResY() const;

    TveCompression compression_;
    TveViewerPreferences viewerPreferences_;
    TvePDFEncryptionSettings encryption_;
    int screenPPI_;
    double pointsPerPixel_;
    std::unique_ptr<TvePDFDocumentState> state_;
    TvePDFImageWriter images_{*this};
};

}  // namespace slidemint
