#pragma once

#include "engine/background_display.hpp"
#include "engine/drawing_tools.hpp"

#include <string>

namespace slidemint {

// Dash operator text of a pen style, e.g. "[16 8]0 d " for psDash; empty for
// psClear and psInsideFrame.
std::string DashText(TPenStyle style);

// Resource name of the tiling pattern of a hatch brush ("PH", "PV", "PFD",
// "PBD", "PC", "PDC"); empty for bsSolid and bsClear.
std::string HatchPatternName(TBrushStyle style);

// Content stream of a hatch pattern's 5 x 5 cell, by pattern name; empty for
// an unknown name.
std::string HatchPatternStream(const std::string& name);

// Dictionary entries of a hatch pattern up to its length entries, each
// ending in CR LF.
std::string HatchPatternDictionary();

// Length entries of a pattern stream: with compression a reference to the
// object holding the length and the Flate filter, else the length itself.
std::string PatternLengthEntries(bool compressed, int lengthObject, std::size_t byteCount);

// Where the background picture is placed on the page, in points (y from the
// bottom), and the tile size.
struct BackgroundPlacement {
    double width = 0;   // picture width in pixels, used as points
    double height = 0;  // picture height in pixels, used as points
    double x = 0;
    double y = 0;
};

// The background picture's place for a display type on a page of
// pageWidth x pageHeight points.
BackgroundPlacement PlaceBackground(TveBackgroundDisplayType type, double pageWidth, double pageHeight,
                                    int pictureWidth, int pictureHeight);

// The page content that fills the background through the "PI" pattern: the
// whole page for dtTile, else the picture's own rectangle.
std::string BackgroundFillText(TveBackgroundDisplayType type, const BackgroundPlacement& placement,
                               double pageWidth, double pageHeight);

// Dictionary entries of the background pattern "PI" up to its length entries.
std::string BackgroundPatternDictionary(int imageObject, const BackgroundPlacement& placement);

// Content stream of the "PI" pattern: one picture per tile.
std::string BackgroundPatternStream(const BackgroundPlacement& placement);

}  // namespace slidemint
