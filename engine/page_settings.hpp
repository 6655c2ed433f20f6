#pragma once

#include <cstdint>

namespace slidemint {

class TveDocSettings;

// Named paper sizes; Custom keeps the width and height set by hand.
enum class TvePaperSize : std::uint8_t {
    Letter, LetterSmall, Tabloid, Ledger, Legal, Statement, Executive, A3, A4, A4Small,
    A5, B4, B5, Folio, Quarto, ps10X14, ps11X17, Note, Env10, Env11,
    Env12, Env14, CSheet, DSheet, ESheet, EnvDL, EnvC5, EnvC3, EnvC4, EnvC6,
    EnvC65, EnvB4, EnvB5, EnvB6, EnvItaly, EnvMonarch, EnvPersonal, FanfoldUS,
    FanfoldStdGerman, ISOB4, Custom
};

inline constexpr int PaperSizeCount = 41;

// Portrait width and height of a named paper size, in inches (0 x 0 for
// Custom).
struct PaperDimensions {
    double widthInches;
    double heightInches;
};
PaperDimensions PaperSizeInches(TvePaperSize size);

enum TvePrinterOrientation : std::uint8_t { poPortrait, poLandscape };

// Page lengths in engine units, as stored.
struct TvePageGeometry {
    double Width = 0;
    double Height = 0;
    double LeftMargin = 0;
    double TopMargin = 0;
    double RightMargin = 0;
    double BottomMargin = 0;
    double HeaderHeight = 0;
    double FooterHeight = 0;
};

// Paper size, orientation, margins and band heights of a page.
//
// Lengths are stored in engine units; the published getters and setters
// use the object's unit factor (given x factor is stored, stored / factor
// is read back). Width and Height can be set only while PaperSize is
// Custom. When the object belongs to a shared settings component, each
// setter first passes the new value on to the page settings of the linked
// engines that still hold this object's old value.
class TvePageSettings {
public:
    // A4 portrait, zero margins, factor 1.
    explicit TvePageSettings(TveDocSettings* owner = nullptr);

    // A copy with no owner; the unit factor is copied.
    TvePageSettings(const TvePageSettings& other);
    TvePageSettings& operator=(const TvePageSettings&) = delete;

    // Copies every field except the owner and the unit factor.
    void Assign(const TvePageSettings& source);

    TvePaperSize PaperSize() const { return paperSize_; }
    void SetPaperSize(TvePaperSize size);
    TvePrinterOrientation Orientation() const { return orientation_; }
    void SetOrientation(TvePrinterOrientation orientation);

    double Width() const;
    void SetWidth(double value);
    double Height() const;
    void SetHeight(double value);
    double LeftMargin() const;
    void SetLeftMargin(double value);
    double RightMargin() const;
    void SetRightMargin(double value);
    double TopMargin() const;
    void SetTopMargin(double value);
    double BottomMargin() const;
    void SetBottomMargin(double value);
    double HeaderHeight() const;
    void SetHeaderHeight(double value);
    double FooterHeight() const;
    void SetFooterHeight(double value);
    int BinNumber() const { return binNumber_; }
    void SetBinNumber(int value);

    // Everything in engine units.
    TvePageGeometry Geometry() const;
    double InternalWidth() const { return width_; }
    double InternalHeight() const { return height_; }

    double UnitFactor() const { return unitFactor_; }
    void SetUnitFactor(double factor) { unitFactor_ = factor; }
    TveDocSettings* Owner() const { return owner_; }

private:
    template <class Get, class Set>
    void propagate(Get get, Set set, bool onlyCustom = false) const;
    void applyPaperTable();

    double footerHeight_ = 0;
    double width_ = 0;
    double bottomMargin_ = 0;
    double headerHeight_ = 0;
    double height_ = 0;
    double leftMargin_ = 0;
    double rightMargin_ = 0;
    double topMargin_ = 0;
    TvePaperSize paperSize_ = TvePaperSize::A4;
    TvePrinterOrientation orientation_ = poPortrait;
    int binNumber_ = 0;
    TveDocSettings* owner_ = nullptr;
    double unitFactor_ = 1.0;
};

}  // namespace slidemint
