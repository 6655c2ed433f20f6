// Bands, drawing area, coordinate conversion and saved engine states.

#include "engine/custom_document_engine.hpp"
#include "engine/engine_state.hpp"

namespace slidemint {

// ---- coordinates ----------------------------------------------------------------

double TveCustomDocumentEngine::ToInternalX(double x) const { return DrawingToInternal(x, unitFactor_, InputXRes); }

double TveCustomDocumentEngine::ToInternalY(double y) const { return DrawingToInternal(y, unitFactor_, InputYRes); }

bool TveCustomDocumentEngine::AcceptsItem(TveRenderItem kind) const {
    static constexpr std::uint16_t capabilityBits[] = {capability::AcceptsText, capability::AcceptsImages,
                                                      capability::AcceptsShapes};
    return documentOpen_ && (engineCapabilities_ & capabilityBits[kind]) && ItemsToRender.contains(kind);
}

bool TveCustomDocumentEngine::InsideArea(double x, double y) const {
    return area_.Left <= x && x < area_.Right && area_.Top <= y && y < area_.Bottom;
}

// ---- target and drawing area -------------------------------------------------------

void TveCustomDocumentEngine::selectTarget(TveBandKind band) {
    targetBand_ = band;
    target_ = band == bkPage ? static_cast<TveBandItem*>(pageAt(currentPage_)) : &bands_[band - 1];
    recomputeArea();
}

void TveCustomDocumentEngine::recomputeArea() {
    const TvePageGeometry g = CurrentPageSettings().Geometry();
    const double right = g.Width - g.RightMargin;
    const double bottom = g.Height - g.BottomMargin;
    if (referencePoint_ == rpPage) {
        area_ = {0, 0, right, bottom};
    } else if (referencePoint_ == rpMargin) {
        area_ = {g.LeftMargin, g.TopMargin, right, bottom};
    } else if (targetBand_ == bkPage) {
        area_ = {g.LeftMargin, g.TopMargin + g.HeaderHeight, right, bottom - g.FooterHeight};
    } else if (targetBand_ == bkHeader) {
        area_ = {g.LeftMargin, g.TopMargin, right, g.TopMargin + g.HeaderHeight};
    } else if (targetBand_ == bkFooter) {
        const double footerTop = bottom - g.FooterHeight;
        area_ = {g.LeftMargin, footerTop, right, footerTop + g.FooterHeight};
    } else {
        area_ = {g.LeftMargin, g.TopMargin, right, bottom};
    }
}

// ---- bands -------------------------------------------------------------------------------

#define SLIDEMINT_BAND_SELECTION(Name, band)                         \
    void TveCustomDocumentEngine::Begin##Name() {                     \
        if (documentOpen_) selectTarget(band);                         \
    }                                                                  \
    void TveCustomDocumentEngine::End##Name() {                       \
        if (documentOpen_) selectTarget(bkPage);                       \
    }

SLIDEMINT_BAND_SELECTION(Header, bkHeader)
SLIDEMINT_BAND_SELECTION(Footer, bkFooter)
SLIDEMINT_BAND_SELECTION(Background, bkBackground)
SLIDEMINT_BAND_SELECTION(Foreground, bkForeground)

#undef SLIDEMINT_BAND_SELECTION

// ---- engine states -----------------------------------------------------------------------

TveEngineState TveCustomDocumentEngine::captureState() const {
    return TveEngineState{font_, pen_, brush_, imageSettings_, textFormatting_, tableSettings_, page_, textEffects_};
}

void TveCustomDocumentEngine::applyState(const TveEngineState& state) {
    font_ = state.Font;
    pen_ = state.Pen;
    brush_ = state.Brush;
    imageSettings_.Assign(state.ImageSettings);
    textFormatting_ = state.TextFormatting;
    tableSettings_ = state.TableSettings;
    page_.Assign(state.Page);
    textEffects_ = state.TextEffects;
}

int TveCustomDocumentEngine::SaveEngineState() {
    if (!documentOpen_) return -1;
    states_.push_back(captureState());
    return static_cast<int>(states_.size()) - 1;
}

void TveCustomDocumentEngine::RestoreEngineState(int index) {
    if (!documentOpen_) return;
    const int last = static_cast<int>(states_.size()) - 1;
    const int chosen = index == -1 ? last : index;
    if (index < -1 || chosen < 0 || chosen > last) {
        ReportError<EInvalidEngineState>();
        return;
    }
    applyState(states_[static_cast<std::size_t>(chosen)]);
}

void TveCustomDocumentEngine::ClearEngineStates() {
    if (documentOpen_) states_.clear();
}

}  // namespace slidemint
