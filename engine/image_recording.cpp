// The image list and the recording of image items.

#include <algorithm>
#include <cmath>

#include "engine/custom_document_engine.hpp"

namespace slidemint {
namespace {

struct Size {
    double width;
    double height;
};

// The picture's size inside a rectangle of rw x rh by the placement flags.
Size fitImage(const TveImageSettings& settings, double gw, double gh, double rw, double rh) {
    const bool fits = gw <= rw && gh <= rh;
    if (!settings.StretchImage && (!settings.KeepAspectRatio || fits)) return {rw, rh};
    if (!settings.KeepAspectRatio || gw <= 0 || gh <= 0) return {rw, rh};
    const double ratio = gw / gh;
    if (gw > gh) {
        Size size{rw, rw / ratio};
        if (size.height > rh) size = {rh * ratio, rh};
        return size;
    }
    Size size{rh * ratio, rh};
    if (size.width > rw) size = {rw, rw / ratio};
    return size;
}

}  // namespace

int TveCustomDocumentEngine::AddImage(const TGraphic& graphic) {
    if (!documentOpen_ || !(engineCapabilities_ & capability::AcceptsImages)) return -1;
    std::unique_ptr<TGraphic> copy;
    try {
        copy = CopyAcceptedGraphic(graphic);
    } catch (const EUnsupportedGraphics&) {
        ReportError<EUnsupportedGraphics>();
        return -1;
    }
    images_.push_back(std::move(copy));
    return ImageCount() - 1;
}

void TveCustomDocumentEngine::DrawImage(const TveRect& rect, int index) {
    if (!AcceptsItem(irImage)) return;
    const TveRect internal{ToInternalX(rect.Left) + area_.Left, ToInternalY(rect.Top) + area_.Top,
                           ToInternalX(rect.Right) + area_.Left, ToInternalY(rect.Bottom) + area_.Top};
    recordImage(internal, index);
}

void TveCustomDocumentEngine::DrawGraphic(const TveRect& rect, const TGraphic& graphic) {
    const int index = AddImage(graphic);
    if (index >= 0) DrawImage(rect, index);
}

void TveCustomDocumentEngine::DrawImageAt(const TGraphic& graphic, double x, double y) {
    const int index = AddImage(graphic);
    if (index < 0 || !AcceptsItem(irImage)) return;
    const double left = ToInternalX(x) + area_.Left;
    const double top = ToInternalY(y) + area_.Top;
    const double scale = ScreenPPI() / 96.0;
    recordImage(TveRect{left, top, left + graphic.width() * scale, top + graphic.height() * scale}, index);
}

// `rect` is in engine units with the area offset applied.
void TveCustomDocumentEngine::recordImage(TveRect rect, int index) {
    const TGraphic* graphic = ImageAt(index);
    if (!graphic || !target_ || !InsideArea(rect.Left, rect.Top)) return;
    auto item = std::make_unique<TveImageItem>();
    item->X = std::min(rect.Left, rect.Right);
    item->Y = std::min(rect.Top, rect.Bottom);
    const double rw = std::abs(rect.Right - rect.Left);
    const double rh = std::abs(rect.Bottom - rect.Top);
    item->DisplayRect = TveRect{item->X, item->Y, item->X + rw, item->Y + rh};
    item->ImageSettings.Assign(imageSettings_);
    Size size{rw, rh};
    if (imageSettings_.ActualSize && imageSettings_.SourceDPI() > 0) {
        // The picture's pixels at SourceDPI, in engine units.
        const double scale = static_cast<double>(ScreenPPI()) / imageSettings_.SourceDPI();
        size = {graphic->width() * scale, graphic->height() * scale};
        item->DisplayRect = TveRect{item->X, item->Y, item->X + size.width, item->Y + size.height};
    } else {
        size = fitImage(imageSettings_, graphic->width(), graphic->height(), rw, rh);
    }
    item->Width = std::nearbyint(size.width);
    item->Height = std::nearbyint(size.height);
    if (imageSettings_.CenterImage && !imageSettings_.ActualSize) {
        item->X += (rw - size.width) / 2;
        item->Y += (rh - size.height) / 2;
    }
    if (imageSettings_.DrawFrame) {
        item->Frame = frame_;
        item->Pen = pen_;
    }
    item->Brush = brush_;
    item->ImageIndex = index;
    target_->Items.push_back(std::move(item));
}

}  // namespace slidemint
