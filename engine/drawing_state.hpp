#pragma once

#include <cstdint>

#include "engine/color.hpp"
#include "engine/drawing_tools.hpp"
#include "engine/geometry.hpp"

namespace slidemint {

// The engine's drawing state besides font, pen and brush. Items copy the
// parts they need when they are recorded.

enum TveTextRenderMode : std::uint8_t { trmFill, trmStroke, trmFillStroke };
enum TveTextRise : std::uint8_t { trNormal, trSuperscript, trSubscript };

struct TveTextEffects {
    TveTextRenderMode TextRenderMode = trmFill;
    TveTextRise TextRise = trNormal;
    bool operator==(const TveTextEffects&) const = default;
};

// Border flags and the width of each border (engine units).
struct TveFrame {
    bool DrawLeft = false;
    bool DrawTop = false;
    bool DrawRight = false;
    bool DrawBottom = false;
    TveRect Widths;
    bool operator==(const TveFrame&) const = default;
};

// The page border drawn along the margins of every rendered page.
struct TveBorder {
    bool DrawLeft = false;
    bool DrawRight = false;
    bool DrawTop = false;
    bool DrawBottom = false;
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
    int Width = 1;

    bool anySide() const { return DrawLeft || DrawRight || DrawTop || DrawBottom; }
    bool operator==(const TveBorder&) const = default;
};

enum TveParagraphAlignment : std::uint8_t { paLeft, paRight, paCenter, paJustify };

// Paragraph formatting. Lengths are stored in engine units; UnitFactor is
// the factor of the engine's measurement unit.
struct TveTextFormatting {
    TveParagraphAlignment Alignment = paLeft;
    double SpaceBefore = 0;
    double LeftIndent = 0;
    double RightIndent = 0;
    double LineSpacing = 1.0;
    TveFrame Border;
    double UnitFactor = 1.0;
    bool operator==(const TveTextFormatting&) const = default;
};

// Table formatting. Lengths in engine units; UnitFactor as above.
struct TveTableSettings {
    TveRect CellPadding;
    TveFrame Borders;
    double DefaultRowHeight = 0;
    bool AutoRowHeight = false;
    double UnitFactor = 1.0;
    bool operator==(const TveTableSettings&) const = default;
};

}  // namespace slidemint
