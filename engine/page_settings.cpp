#include "engine/page_settings.hpp"

#include <utility>

#include "engine/custom_document_engine.hpp"
#include "engine/doc_settings.hpp"
#include "engine/units.hpp"

namespace slidemint {
namespace {

constexpr PaperDimensions paperTable[PaperSizeCount] = {
    {8.5, 11},          {8.5, 11},           {11, 17},            {17, 11},
    {8.5, 14},          {5.5, 8.5},          {7.25, 10.5},        {11.6929, 16.5354},
    {8.2677, 11.6929},  {8.2677, 11.6929},   {5.8267, 8.2677},    {9.8425, 13.8976},
    {6.9291, 9.8425},   {8.5, 13},           {8.4645, 10.8267},   {10, 14},
    {10, 17},           {8.5, 11},           {4.125, 9.5},        {4.5, 10.375},
    {4.75, 11},         {5, 11.5},           {17, 22},            {22, 34},
    {34, 44},           {4.3307, 8.6614},    {6.3779, 9.0157},    {12.7559, 18.0314},
    {9.1057, 12.7559},  {4.4881, 6.3779},    {4.4881, 9.0157},    {9.8425, 13.8976},
    {6.9291, 9.8425},   {6.9291, 4.9212},    {4.3307, 9.0551},    {3.875, 7.5},
    {3.625, 6.5},       {14.875, 11},        {8.5, 12},           {9.8425, 13.8976},
    {0, 0},
};

}  // namespace

PaperDimensions PaperSizeInches(TvePaperSize size) {
    const auto index = static_cast<std::size_t>(size);
    return index < PaperSizeCount ? paperTable[index] : PaperDimensions{0, 0};
}

TvePageSettings::TvePageSettings(TveDocSettings* owner) : owner_(owner) { applyPaperTable(); }

TvePageSettings::TvePageSettings(const TvePageSettings& other)
    : footerHeight_(other.footerHeight_), width_(other.width_), bottomMargin_(other.bottomMargin_),
      headerHeight_(other.headerHeight_), height_(other.height_), leftMargin_(other.leftMargin_),
      rightMargin_(other.rightMargin_), topMargin_(other.topMargin_), paperSize_(other.paperSize_),
      orientation_(other.orientation_), binNumber_(other.binNumber_), owner_(nullptr),
      unitFactor_(other.unitFactor_) {}

void TvePageSettings::Assign(const TvePageSettings& source) {
    if (this == &source) return;
    footerHeight_ = source.footerHeight_;
    width_ = source.width_;
    bottomMargin_ = source.bottomMargin_;
    headerHeight_ = source.headerHeight_;
    height_ = source.height_;
    leftMargin_ = source.leftMargin_;
    rightMargin_ = source.rightMargin_;
    topMargin_ = source.topMargin_;
    paperSize_ = source.paperSize_;
    orientation_ = source.orientation_;
    binNumber_ = source.binNumber_;
}

// Passes a new value on to the linked engines whose page still holds this
// object's old value (read back through `get`).
template <class Get, class Set>
void TvePageSettings::propagate(Get get, Set set, bool onlyCustom) const {
    if (!owner_) return;
    const auto oldValue = get(*this);
    for (TveCustomDocumentEngine* engine : owner_->LinkedEngines()) {
        TvePageSettings& target = engine->Page();
        if (onlyCustom && target.PaperSize() != TvePaperSize::Custom) continue;
        if (get(target) == oldValue) set(target);
    }
}

void TvePageSettings::applyPaperTable() {
    if (paperSize_ == TvePaperSize::Custom) return;
    const PaperDimensions inches = PaperSizeInches(paperSize_);
    const double perInch = 72 * PixelsPerPoint();
    width_ = inches.widthInches * perInch;
    height_ = inches.heightInches * perInch;
    if (orientation_ == poLandscape) std::swap(width_, height_);
}

void TvePageSettings::SetPaperSize(TvePaperSize size) {
    propagate([](const TvePageSettings& p) { return p.PaperSize(); },
              [size](TvePageSettings& p) { p.SetPaperSize(size); });
    paperSize_ = size;
    applyPaperTable();
}

void TvePageSettings::SetOrientation(TvePrinterOrientation orientation) {
    propagate([](const TvePageSettings& p) { return p.Orientation(); },
              [orientation](TvePageSettings& p) { p.SetOrientation(orientation); });
    if (orientation == orientation_) return;
    orientation_ = orientation;
    std::swap(width_, height_);
}

void TvePageSettings::SetWidth(double value) {
    propagate([](const TvePageSettings& p) { return p.Width(); },
              [value](TvePageSettings& p) { p.SetWidth(value); }, true);
    if (paperSize_ == TvePaperSize::Custom) width_ = value * unitFactor_;
}

void TvePageSettings::SetHeight(double value) {
    propagate([](const TvePageSettings& p) { return p.Height(); },
              [value](TvePageSettings& p) { p.SetHeight(value); }, true);
    if (paperSize_ == TvePaperSize::Custom) height_ = value * unitFactor_;
}

double TvePageSettings::Width() const { return width_ / unitFactor_; }
double TvePageSettings::Height() const { return height_ / unitFactor_; }
double TvePageSettings::LeftMargin() const { return leftMargin_ / unitFactor_; }
double TvePageSettings::RightMargin() const { return rightMargin_ / unitFactor_; }
double TvePageSettings::TopMargin() const { return topMargin_ / unitFactor_; }
double TvePageSettings::BottomMargin() const { return bottomMargin_ / unitFactor_; }
double TvePageSettings::HeaderHeight() const { return headerHeight_ / unitFactor_; }
double TvePageSettings::FooterHeight() const { return footerHeight_ / unitFactor_; }

#define SLIDEMINT_LENGTH_SETTER(Name, member)                                          \
    void TvePageSettings::Set##Name(double value) {                                    \
        propagate([](const TvePageSettings& p) { return p.Name(); },                 \
                  [value](TvePageSettings& p) { p.Set##Name(value); });               \
        member = value * unitFactor_;                                                  \
    }

SLIDEMINT_LENGTH_SETTER(LeftMargin, leftMargin_)
SLIDEMINT_LENGTH_SETTER(RightMargin, rightMargin_)
SLIDEMINT_LENGTH_SETTER(TopMargin, topMargin_)
SLIDEMINT_LENGTH_SETTER(BottomMargin, bottomMargin_)
SLIDEMINT_LENGTH_SETTER(HeaderHeight, headerHeight_)
SLIDEMINT_LENGTH_SETTER(FooterHeight, footerHeight_)

#undef SLIDEMINT_LENGTH_SETTER

void TvePageSettings::SetBinNumber(int value) {
    propagate([](const TvePageSettings& p) { return p.BinNumber(); },
              [value](TvePageSettings& p) { p.SetBinNumber(value); });
    binNumber_ = value;
}

TvePageGeometry TvePageSettings::Geometry() const {
    return TvePageGeometry{width_,       height_,       leftMargin_,   topMargin_,
                           rightMargin_, bottomMargin_, headerHeight_, footerHeight_};
}

}  // namespace slidemint
