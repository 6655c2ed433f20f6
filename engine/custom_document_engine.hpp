#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/background_display.hpp"
#include "engine/byte_sink.hpp"
#include "engine/color.hpp"
#include "engine/doc_info.hpp"
#include "engine/drawing_state.hpp"
#include "engine/drawing_tools.hpp"
#include "engine/engine_capabilities.hpp"
#include "engine/engine_error.hpp"
#include "engine/flags.hpp"
#include "engine/geometry.hpp"
#include "engine/graphic.hpp"
#include "engine/image_settings.hpp"
#include "engine/items/band_item.hpp"
#include "engine/items/image_item.hpp"
#include "engine/items/metafile_items.hpp"
#include "engine/items/paragraph_item.hpp"
#include "engine/items/shape_item.hpp"
#include "engine/items/table_item.hpp"
#include "engine/items/text_item.hpp"
#include "engine/page_settings.hpp"
#include "engine/preferences.hpp"
#include "engine/units.hpp"

namespace slidemint {

class TveDocSettings;
class OutputFile;
struct TveEngineState;

enum TveRenderItem : std::uint8_t { irText, irImage, irShape };
using TveRenderItems = TveFlags<TveRenderItem>;

enum TveReferencePoint : std::uint8_t { rpPage, rpMargin, rpBand };

// The band new items go to.
enum TveBandKind : std::uint8_t { bkPage = 0, bkHeader = 1, bkFooter = 2, bkBackground = 3, bkForeground = 4 };

// The format-independent document engine: records a document as pages of
// items and replays them to a writer through the virtual writer hooks
// (Writer... and Render...) when the document ends, or page by page with
// Preferences().ProcessAfterEachPage().
//
// A writer derives from TveCustomPlainsheetEngine and overrides the hooks.
// Lifecycle: BeginDoc -> NewPage / drawing / bands any number of times ->
// EndDoc. A failure raised by a hook while EndDoc renders or writes closes
// the writer's output (WriterAbortDoc, the output file is discarded),
// discards the document and propagates; the next BeginDoc starts afresh.
class TveCustomDocumentEngine {
public:
    using NotifyEvent = std::function<void(TveCustomDocumentEngine& sender)>;
    // The handler owns the error object.
    using ErrorEvent = std::function<void(TveCustomDocumentEngine& sender, std::unique_ptr<EngineError> error)>;
    // Value is empty on entry.
    using CalcVariablesEvent =
        std::function<void(TveCustomDocumentEngine& sender, const std::string& variable, std::string& value)>;
    // A setup dialog shown by BeginDoc; returns mrOk or mrCancel.
    using SetupDialogFunction = std::function<int(TveCustomDocumentEngine& engine)>;

    virtual ~TveCustomDocumentEngine();
    TveCustomDocumentEngine(const TveCustomDocumentEngine&) = delete;
    TveCustomDocumentEngine& operator=(const TveCustomDocumentEngine&) = delete;

    static std::string About();
    static std::string Version();

    // ---- lifecycle -------------------------------------------------------
    virtual void BeginDoc();
    virtual void EndDoc();
    virtual void NewPage();

    // ---- drawing operations (images) -------------------------------------
    // Registers a copy of the graphic; returns its index in the image list,
    // or -1 outside a document or when images are not accepted.
    virtual int AddImage(const TGraphic& graphic);
    // Places image `index` into `rect` (current measurement unit). By
    // default the picture fills the rectangle; ImageSettings() may keep its
    // aspect ratio (KeepAspectRatio; only when it does not fit, unless
    // StretchImage), centre it (CenterImage) or use its own size at
    // SourceDPI (ActualSize: width = pixels x ScreenPPI / SourceDPI engine
    // units, DisplayRect shrinks to it). Sizes round half to even. Records
    // nothing for an unknown index or a top-left corner outside the area.
    virtual void DrawImage(const TveRect& rect, int index);
    // AddImage then DrawImage.
    virtual void DrawGraphic(const TveRect& rect, const TGraphic& graphic);
    // AddImage, then the image at its natural size with its top-left
    // corner at (x, y).
    virtual void DrawImageAt(const TGraphic& graphic, double x, double y);

    // ---- bands -------------------------------------------------------------
    virtual void BeginHeader();
    virtual void EndHeader();
    virtual void BeginFooter();
    virtual void EndFooter();
    virtual void BeginBackground();
    virtual void EndBackground();
    virtual void BeginForeground();
    virtual void EndForeground();

    // ---- engine states ------------------------------------------------------
    // Saves copies of Font, Pen, Brush, ImageSettings, text formatting, table
    // settings, Page and text effects; returns the index or -1 outside a
    // document.
    virtual int SaveEngineState();
    // -1 restores the last saved state.
    virtual void RestoreEngineState(int index = -1);
    virtual void ClearEngineStates();

    // ---- page selection -------------------------------------------------------
    int CurrentPage() const { return currentPage_; }
    virtual void SetCurrentPage(int pageNumber);
    int PageCount() const { return pageCount_; }

    // ---- placeholders -----------------------------------------------------------
    virtual std::u16string ExpandVariables(const std::u16string& text, bool withPageNumbers);
    virtual std::u16string ExpandPageVariables(const std::u16string& text);

    // Reorders right-to-left runs for writers that draw bidirectional text.
    // The base returns the text unchanged.
    virtual std::u16string ReorderBiDiText(const std::u16string& text);

    // ---- properties --------------------------------------------------------------
    std::string FileExtension;
    std::string FileDescription;
    int InputXRes;
    int InputYRes;
    TveRenderItems ItemsToRender{irText, irImage, irShape};
    // Pages to output, e.g. "1,3-4"; empty = every page.
    std::string PagesToRender;
    SetupDialogFunction SetupDialog;
    // How far apart (engine units) text items may lie in y and still count
    // as one line when a text list is sorted.
    double LineTolerance = 0;

    TveUnitType MeasurementUnit() const { return measurementUnit_; }
    // Stores the unit and copies its factor into Page, text formatting and
    // table settings (values already stored are not converted).
    void SetMeasurementUnit(TveUnitType unit);
    double UnitFactorValue() const { return unitFactor_; }

    TveReferencePoint ReferencePoint() const { return referencePoint_; }
    void SetReferencePoint(TveReferencePoint point);

    TveDocSettings* Settings() const { return settings_; }
    void SetSettings(TveDocSettings* settings);

    TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(TColor color) { backgroundColor_ = color; }
    const TPicture& BackgroundImage() const { return backgroundImage_; }
    void SetBackgroundImage(const TPicture& picture) { backgroundImage_.Assign(picture); }
    TveBackgroundDisplayType BackgroundImageDisplayType() const { return displayType_; }
    void SetBackgroundImageDisplayType(TveBackgroundDisplayType type) { displayType_ = type; }

    // The caller's sink, used when Preferences().OutputToUserStream() is set.
    ByteSink* UserStream() const { return userStream_; }
    void SetUserStream(ByteSink* sink) { userStream_ = sink; }

    std::uint8_t EngineStatus() const { return engineStatus_; }
    std::uint16_t EngineCapabilities() const { return engineCapabilities_; }
    bool DocumentOpen() const { return documentOpen_; }

    // The image list: index -> graphic, nullptr outside 0..ImageCount()-1.
    const TGraphic* ImageAt(int index) const;
    int ImageCount() const { return static_cast<int>(images_.size()); }

    // Full names of the output files created in this document.
    const std::vector<std::string>& CreatedFiles() const { return createdFiles_; }

    // Drawing area in engine units for the current target and reference
    // point.
    TveRect DrawingArea() const { return area_; }
    TveBandKind TargetBand() const { return targetBand_; }

    // Settings of the page being recorded or rendered (the engine's Page
    // when no page exists).
    const TvePageSettings& CurrentPageSettings() const;

    // ---- events ---------------------------------------------------------------------
    NotifyEvent OnBeforeBeginDoc;
    NotifyEvent OnAfterBeginDoc;
    NotifyEvent OnBeforeEndDoc;
    NotifyEvent OnAfterEndDoc;
    NotifyEvent OnBeforeBeginPage;
    NotifyEvent OnAfterBeginPage;
    NotifyEvent OnBeforeEndPage;
    NotifyEvent OnAfterEndPage;
    ErrorEvent OnErrorMessage;
    CalcVariablesEvent OnCalcVariables;

    // ---- settings objects owned by the engine (published by the plain-sheet
    // layer; kept here so that the base can read them) -------------------------
    TvePreferences& Preferences() { return *preferences_; }
    const TvePreferences& Preferences() const { return *preferences_; }
    void SetPreferences(const TvePreferences& source) { preferences_->Assign(source); }
    TvePageSettings& Page() { return page_; }
    const TvePageSettings& Page() const { return page_; }
    void SetPage(const TvePageSettings& source) { page_.Assign(source); }
    TveDocInfo& DocInfo() { return docInfo_; }
    const TveDocInfo& DocInfo() const { return docInfo_; }
    void SetDocInfo(const TveDocInfo& source) { docInfo_.Assign(source); }
    TveImageSettings& ImageSettings() { return imageSettings_; }
    const TveImageSettings& ImageSettings() const { return imageSettings_; }
    void SetImageSettings(const TveImageSettings& source) { imageSettings_.Assign(source); }
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font) { font_ = font; }
    TPen& Pen() { return pen_; }
    const TPen& Pen() const { return pen_; }
    void SetPen(const TPen& pen) { pen_ = pen; }
    TBrush& Brush() { return brush_; }
    const TBrush& Brush() const { return brush_; }
    void SetBrush(const TBrush& brush) { brush_ = brush; }
    TveBorder& PageBorder() { return pageBorder_; }
    const TveBorder& PageBorder() const { return pageBorder_; }
    void SetPageBorder(const TveBorder& border) { pageBorder_ = border; }
    TveTextEffects& TextEffects() { return textEffects_; }
    const TveTextEffects& TextEffects() const { return textEffects_; }
    TveFrame& Frame() { return frame_; }
    const TveFrame& Frame() const { return frame_; }
    TveTextFormatting& TextFormatting() { return textFormatting_; }
    const TveTextFormatting& TextFormatting() const { return textFormatting_; }
    TveTableSettings& TableSettings() { return tableSettings_; }
    const TveTableSettings& TableSettings() const { return tableSettings_; }

    // ---- hooks asked by settings objects ---------------------------------------------
    // Whether the writer can encode images in `format`; on refusal `message`
    // says why. The base accepts every format.
    virtual bool SupportsImageFormat(TveOutputImageFormat format, std::string& message);

protected:
    // `preferences` is the preferences object of the concrete engine class
    // (the preferences factory: each writer passes its own class).
    explicit TveCustomDocumentEngine(std::unique_ptr<TvePreferences> preferences);

    void SetEngineCapabilities(std::uint16_t bits) { engineCapabilities_ = bits; }

    // Stores the name without its extension; ignored while a document is
    // open.
    const std::string& FileNameValue() const { return fileName_; }
    void SetFileNameValue(const std::string& name);

    // ---- writer hooks (the base does nothing) --------------------------------------
    // Called inside BeginDoc after page 1 exists.
    virtual void WriterBeginDoc();
    // Called at the start of rendering a page (CurrentPage() is that page).
    virtual void WriterBeginPage();
    virtual void WriterEndPage();
    // Called inside EndDoc after every page was rendered.
    virtual void WriterEndDoc();
    // Called when BeginDoc or EndDoc fails after WriterBeginDoc was called:
    // the writer drops its per-document state. The engine then discards the
    // output file itself. Must not throw.
    virtual void WriterAbortDoc();

    // ---- render hooks, one per item; coordinates in engine units ---------------------
    virtual void RenderText(const TveTextItem& item);
    // Base: frame lines, background rectangle, then one RenderText per line.
    virtual void RenderTextBox(const TveTextBoxItem& item);
    virtual void RenderParagraph(const TveParagraphItem& item);
    virtual void RenderImage(const TveImageItem& item);
    virtual void RenderImageStream(const TveImageStream& item);
    virtual void RenderTable(const TveTableItem& item);
    virtual void RenderOtherItem(const TveDocumentItem& item);
    virtual void RenderClip(const TveClipItem& item);
    virtual void RenderPath(const TvePathItem& item);
    virtual void RenderPolyPolygon(const TvePolyPolygonItem& item);
    virtual void RenderEndOfFigure(const TveEOFItem& item);
    virtual void RenderPolyDraw(const TvePolyDrawItem& item);
    virtual void RenderLine(const TPen& pen, TvePoint from, TvePoint to);
    virtual void RenderRectangle(const TPen& pen, const TBrush* brush, const TveRect& box);
    virtual void RenderRoundRect(const TPen& pen, const TBrush* brush, const TveRect& box,
                                 double cornerWidth, double cornerHeight);
    virtual void RenderEllipse(const TPen& pen, const TBrush* brush, const TveRect& box);
    // closed: polygon; open: polyline (brush is then nullptr).
    virtual void RenderPolygon(const std::vector<TvePoint>& points, const TBrush* brush,
                               const TPen& pen, bool closed);
    virtual void RenderPolyShape(const TvePolyShapeItem& item);
    virtual void RenderArc(const TPen& pen, const TveRect& box, TvePoint start, TvePoint end);
    virtual void RenderPie(const TPen& pen, const TBrush* brush, const TveRect& box, TvePoint start,
                           TvePoint end);
    virtual void RenderChord(const TPen& pen, const TBrush* brush, const TveRect& box,
                             TvePoint start, TvePoint end);
    virtual void RenderPolyBezier(const TPen& pen, const std::vector<TvePoint>& points);
    // Places a bitmap (drawn by the base) at (x, y); the base does nothing.
    virtual void PlaceRenderedBitmap(const Bitmap& bitmap, double x, double y);

    // ---- page-level operations -----------------------------------------------------------
    // Draws the selected PageBorder sides through RenderLine.
    virtual void DrawPageBorder();
    virtual void RenderTextList(const std::vector<std::unique_ptr<TveTextItem>>& textList);
    // Turns the drawing painted on the page's canvas into items. Metafile
    // playback is not part of this engine yet, so the base does nothing.
    virtual void PlayMetafileIntoPage();
    virtual void SortTextList(std::vector<std::unique_ptr<TveTextItem>>& textList);
    // The writer's own setup dialog (used when ShowSetupDialog is set and no
    // SetupDialog function is assigned); the base answers mrOk.
    virtual int ShowDefaultSetupDialog();

    // ---- services for writers ---------------------------------------------------------------
    // Opens the output for `fullName`: a new temporary file in the same
    // folder, written through the returned sink. The target is replaced
    // only by CommitOutputFile (EndDoc commits when the writer has not), so
    // a failed document never leaves a truncated file and an earlier good
    // file survives. The name is recorded in CreatedFiles().
    // On failure: EngineStatus 4, the document is closed, and
    // EFileCreateError is raised.
    ByteSink& CreateOutputFile(const std::string& fullName);
    // Flushes and closes the output and renames it over its target. Raises
    // EngineError naming the file when that fails. Does nothing when no
    // output file is open.
    void CommitOutputFile();
    // Closes and deletes the temporary output, if any. Never throws.
    void DiscardOutputFile() noexcept;

    // Reports an engine error: a new Error object goes to OnErrorMessage
    // when one is assigned (the operation then returns without effect),
    // else it is thrown.
    template <class Error, class... Args>
    void ReportError(Args&&... args) {
        auto error = std::make_unique<Error>(std::forward<Args>(args)...);
        if (!OnErrorMessage) throw Error(*error);
        OnErrorMessage(*this, std::move(error));
    }

    // Converts drawing coordinates of the current unit to engine units.
    double ToInternalX(double x) const;
    double ToInternalY(double y) const;

    // The item list and band of the current target (nullptr outside a
    // document); recording operations append here.
    TveBandItem* TargetBandItem() const { return target_; }
    bool AcceptsItem(TveRenderItem kind) const;
    bool InsideArea(double x, double y) const;
    // Whether page n is selected by PagesToRender.
    bool PageSelected(int pageNumber) const;

private:
    friend class TveDocSettings;

    void openDocument();
    void closeDocument() noexcept;
    // Empties the pages, bands, images and saved states and forgets the
    // current page and target.
    void clearDocumentLists() noexcept;
    void abortDocument() noexcept;
    bool runSetupDialog();
    void selectTarget(TveBandKind band);
    void recomputeArea();
    void renderPage(int pageNumber);
    void renderBand(TveBandKind band, std::uint16_t firstPageOnlyBit, bool sortText);
    void renderItems(const TveItemList& items);
    void dispatchItem(const TveDocumentItem& item);
    void dispatchShape(const TveShapeItem& item);
    void renderAllPages();
    void finishDocument();
    void openFinishedFile();
    void fire(const NotifyEvent& event);
    TvePageItem* pageAt(int pageNumber) const;
    TveEngineState captureState() const;
    void applyState(const TveEngineState& state);
    void recordImage(TveRect rect, int index);
    std::u16string expandUserVariables(std::u16string text);

    std::unique_ptr<TvePreferences> preferences_;
    TvePageSettings page_;
    TveDocInfo docInfo_;
    TveImageSettings imageSettings_;
    TFont font_;
    TFont internalFont_;
    TPen pen_;
    TBrush brush_;
    TveBorder pageBorder_;
    TveTextEffects textEffects_;
    TveFrame frame_;
    TveTextFormatting textFormatting_;
    TveTableSettings tableSettings_;
    TColor backgroundColor_ = clWhite;
    TPicture backgroundImage_;
    TveBackgroundDisplayType displayType_ = dtCenter;

    std::string fileName_;
    TveUnitType measurementUnit_ = muInches;
    double unitFactor_;
    TveReferencePoint referencePoint_ = rpBand;
    TveDocSettings* settings_ = nullptr;
    ByteSink* userStream_ = nullptr;
    std::uint8_t engineStatus_ = esIdle;
    std::uint16_t engineCapabilities_ = capability::BaseEngine;

    // Per-document state.
    bool documentOpen_ = false;
    bool writerStarted_ = false;
    int currentPage_ = 0;
    int pageCount_ = 0;
    std::vector<std::unique_ptr<TvePageItem>> pages_;
    TveBandItem bands_[4];
    std::vector<std::unique_ptr<TGraphic>> images_;
    std::vector<TveEngineState> states_;
    std::unique_ptr<TveEngineState> beginDocState_;
    std::vector<std::string> createdFiles_;
    std::unique_ptr<OutputFile> outputFile_;
    TveBandKind targetBand_ = bkPage;
    TveBandItem* target_ = nullptr;
    TveRect area_;
};

}  // namespace slidemint
