#pragma once

#include <cstdint>
#include <string>

#include "engine/color.hpp"
#include "engine/flags.hpp"

namespace slidemint {

// The three drawing tools of the desktop graphics system, as values.

enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TveFlags<TFontStyle>;

enum TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };

inline constexpr std::uint8_t ANSI_CHARSET = 0;
inline constexpr std::uint8_t DEFAULT_CHARSET = 1;
inline constexpr std::uint8_t SYMBOL_CHARSET = 2;

struct TFont {
    std::string Name = "Arial";     // face name, system code page
    int Size = 10;                  // points
    TColor Color = clBlack;
    std::uint8_t Charset = DEFAULT_CHARSET;
    TFontPitch Pitch = fpDefault;
    TFontStyles Style;

    // Height in pixels at ScreenPPI (negative: character height), as the
    // desktop system derives it from Size.
    int Height() const;
    void SetHeight(int pixels);

    bool operator==(const TFont&) const = default;
};

enum TPenStyle : std::uint8_t {
    psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;

    bool operator==(const TPen&) const = default;
};

enum TBrushStyle : std::uint8_t {
    bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;

    bool operator==(const TBrush&) const = default;
};

}  // namespace slidemint
