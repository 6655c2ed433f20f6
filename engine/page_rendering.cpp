// Replaying recorded pages to the writer hooks.

#include <algorithm>
#include <cmath>

#include "engine/custom_document_engine.hpp"

namespace slidemint {

void TveCustomDocumentEngine::renderPage(int pageNumber) {
    TvePageItem* page = pageAt(pageNumber);
    if (!page) return;
    if (PageSelected(pageNumber)) {
        fire(OnBeforeBeginPage);
        WriterBeginPage();
        fire(OnAfterBeginPage);
        DrawPageBorder();
        renderBand(bkHeader, capability::HeaderOnFirstPageOnly, false);
        renderBand(bkBackground, capability::BackgroundOnFirstPageOnly, true);
        SortTextList(page->TextList);
        renderItems(page->Items);
        RenderTextList(page->TextList);
        renderBand(bkFooter, capability::FooterOnFirstPageOnly, false);
        renderBand(bkForeground, capability::ForegroundOnFirstPageOnly, true);
        fire(OnBeforeEndPage);
        WriterEndPage();
        fire(OnAfterEndPage);
    }
    if (target_ == page) target_ = nullptr;
    pages_[static_cast<std::size_t>(pageNumber - 1)].reset();
}

void TveCustomDocumentEngine::renderBand(TveBandKind band, std::uint16_t firstPageOnlyBit, bool sortText) {
    if ((engineCapabilities_ & firstPageOnlyBit) && currentPage_ > 1) return;
    TveBandItem& items = bands_[band - 1];
    if (sortText) SortTextList(items.TextList);
    renderItems(items.Items);
    RenderTextList(items.TextList);
}

void TveCustomDocumentEngine::renderItems(const TveItemList& items) {
    for (const auto& item : items)
        if (item) dispatchItem(*item);
}

// Class tests in a fixed order: a text box is never treated as plain text,
// an image stream never as a plain image.
void TveCustomDocumentEngine::dispatchItem(const TveDocumentItem& item) {
    if (auto* textBox = dynamic_cast<const TveTextBoxItem*>(&item)) return RenderTextBox(*textBox);
    if (auto* text = dynamic_cast<const TveTextItem*>(&item)) return RenderText(*text);
    if (auto* stream = dynamic_cast<const TveImageStream*>(&item)) return RenderImageStream(*stream);
    if (auto* image = dynamic_cast<const TveImageItem*>(&item)) return RenderImage(*image);
    if (auto* shape = dynamic_cast<const TveShapeItem*>(&item)) return dispatchShape(*shape);
    if (auto* polyShape = dynamic_cast<const TvePolyShapeItem*>(&item)) {
        if (!polyShape->Shapes.empty() &&
            (polyShape->Shapes.front().Kind == skPolygon || polyShape->Shapes.front().Kind == skPolyline))
            RenderPolyShape(*polyShape);
        return;
    }
    if (auto* table = dynamic_cast<const TveTableItem*>(&item)) return RenderTable(*table);
    if (auto* paragraph = dynamic_cast<const TveParagraphItem*>(&item)) return RenderParagraph(*paragraph);
    if (auto* clip = dynamic_cast<const TveClipItem*>(&item)) return RenderClip(*clip);
    if (auto* path = dynamic_cast<const TvePathItem*>(&item)) return RenderPath(*path);
    if (auto* polyPolygon = dynamic_cast<const TvePolyPolygonItem*>(&item)) return RenderPolyPolygon(*polyPolygon);
    if (auto* endOfFigure = dynamic_cast<const TveEOFItem*>(&item)) return RenderEndOfFigure(*endOfFigure);
    if (auto* polyDraw = dynamic_cast<const TvePolyDrawItem*>(&item)) return RenderPolyDraw(*polyDraw);
    RenderOtherItem(item);
}

namespace {

TveRect boxOf(const std::vector<TvePoint>& points) {
    return TveRect{points[0].X, points[0].Y, points[1].X, points[1].Y};
}

std::size_t requiredPoints(TveShapeKind kind) {
    switch (kind) {
    case skLine:
    case skRectangle:
    case skEllipse: return 2;
    case skRoundRect: return 3;
    case skArc:
    case skChord:
    case skPie: return 4;
    case skPolygon:
    case skPolyline:
    case skPolyBezier: return 1;
    }
    return 1;
}

}  // namespace

// Shapes with too few points for their kind are skipped.
void TveCustomDocumentEngine::dispatchShape(const TveShapeItem& item) {
    const std::vector<TvePoint>& p = item.Points;
    if (p.size() < requiredPoints(item.Kind)) return;
    const TBrush* brush = item.brushOrNull();
    switch (item.Kind) {
    case skLine: return RenderLine(item.Pen, p[0], p[1]);
    case skRectangle: return RenderRectangle(item.Pen, brush, boxOf(p));
    case skRoundRect: return RenderRoundRect(item.Pen, brush, boxOf(p), p[2].X, p[2].Y);
    case skEllipse: return RenderEllipse(item.Pen, brush, boxOf(p));
    case skPolygon: return RenderPolygon(p, brush, item.Pen, true);
    case skPolyline: return RenderPolygon(p, nullptr, item.Pen, false);
    case skArc: return RenderArc(item.Pen, boxOf(p), p[2], p[3]);
    case skChord: return RenderChord(item.Pen, brush, boxOf(p), p[2], p[3]);
    case skPie: return RenderPie(item.Pen, brush, boxOf(p), p[2], p[3]);
    case skPolyBezier: return RenderPolyBezier(item.Pen, p);
    }
}

void TveCustomDocumentEngine::DrawPageBorder() {
    if (!pageBorder_.anySide()) return;
    const TvePageGeometry g = CurrentPageSettings().Geometry();
    const TPen pen{pageBorder_.Color, pageBorder_.Width, pageBorder_.Style};
    const double left = g.LeftMargin;
    const double right = g.Width - g.RightMargin;
    const double top = g.TopMargin;
    const double bottom = g.Height - g.BottomMargin;
    if (pageBorder_.DrawLeft) RenderLine(pen, {left, top}, {left, bottom});
    if (pageBorder_.DrawRight) RenderLine(pen, {right, top}, {right, bottom});
    if (pageBorder_.DrawTop) RenderLine(pen, {left, top}, {right, top});
    if (pageBorder_.DrawBottom) RenderLine(pen, {left, bottom}, {right, bottom});
}

void TveCustomDocumentEngine::RenderTextList(const std::vector<std::unique_ptr<TveTextItem>>& textList) {
    for (const auto& item : textList)
        if (item) RenderText(*item);
}

// Orders by y (stable), then puts runs whose y lie within the line
// tolerance of the run's first item in x order.
void TveCustomDocumentEngine::SortTextList(std::vector<std::unique_ptr<TveTextItem>>& textList) {
    auto byY = [](const auto& a, const auto& b) { return a->Y < b->Y; };
    auto byX = [](const auto& a, const auto& b) { return a->X < b->X; };
    std::stable_sort(textList.begin(), textList.end(), byY);
    for (auto run = textList.begin(); run != textList.end();) {
        const double lineY = (*run)->Y;
        auto end = std::find_if(run, textList.end(),
                                [&](const auto& item) { return std::abs(item->Y - lineY) > LineTolerance; });
        std::stable_sort(run, end, byX);
        run = end;
    }
}

// Metafile playback is not part of this engine yet: canvases stay empty.
void TveCustomDocumentEngine::PlayMetafileIntoPage() {}

// ---- render hooks: the base draws nothing -------------------------------------------------
// Text boxes, paragraphs and tables are broken into simpler calls by the
// text layout operations; until those exist the base renders them as
// nothing, like the other hooks.

void TveCustomDocumentEngine::RenderText(const TveTextItem&) {}
void TveCustomDocumentEngine::RenderTextBox(const TveTextBoxItem&) {}
void TveCustomDocumentEngine::RenderParagraph(const TveParagraphItem&) {}
void TveCustomDocumentEngine::RenderImage(const TveImageItem&) {}
void TveCustomDocumentEngine::RenderImageStream(const TveImageStream&) {}
void TveCustomDocumentEngine::RenderTable(const TveTableItem&) {}
void TveCustomDocumentEngine::RenderOtherItem(const TveDocumentItem&) {}
void TveCustomDocumentEngine::RenderClip(const TveClipItem&) {}
void TveCustomDocumentEngine::RenderPath(const TvePathItem&) {}
void TveCustomDocumentEngine::RenderPolyPolygon(const TvePolyPolygonItem&) {}
void TveCustomDocumentEngine::RenderEndOfFigure(const TveEOFItem&) {}
void TveCustomDocumentEngine::RenderPolyDraw(const TvePolyDrawItem&) {}
void TveCustomDocumentEngine::RenderLine(const TPen&, TvePoint, TvePoint) {}
void TveCustomDocumentEngine::RenderRectangle(const TPen&, const TBrush*, const TveRect&) {}
void TveCustomDocumentEngine::RenderRoundRect(const TPen&, const TBrush*, const TveRect&, double, double) {}
void TveCustomDocumentEngine::RenderEllipse(const TPen&, const TBrush*, const TveRect&) {}
void TveCustomDocumentEngine::RenderPolygon(const std::vector<TvePoint>&, const TBrush*, const TPen&, bool) {}
void TveCustomDocumentEngine::RenderPolyShape(const TvePolyShapeItem&) {}
void TveCustomDocumentEngine::RenderArc(const TPen&, const TveRect&, TvePoint, TvePoint) {}
void TveCustomDocumentEngine::RenderPie(const TPen&, const TBrush*, const TveRect&, TvePoint, TvePoint) {}
void TveCustomDocumentEngine::RenderChord(const TPen&, const TBrush*, const TveRect&, TvePoint, TvePoint) {}
void TveCustomDocumentEngine::RenderPolyBezier(const TPen&, const std::vector<TvePoint>&) {}
void TveCustomDocumentEngine::PlaceRenderedBitmap(const Bitmap&, double, double) {}

std::u16string TveCustomDocumentEngine::ReorderBiDiText(const std::u16string& text) { return text; }

}  // namespace slidemint
