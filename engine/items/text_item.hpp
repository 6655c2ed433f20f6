#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/drawing_state.hpp"
#include "engine/drawing_tools.hpp"
#include "engine/geometry.hpp"
#include "engine/items/document_item.hpp"

namespace slidemint {

// A run of text anchored at its top-left corner.
class TveTextItem : public TveDocumentItem {
public:
    double X = 0;
    double Y = 0;
    std::vector<std::u16string> Lines;
    int Angle = 0;  // degrees
    TFont Font;
    TBrush Brush;
    TveTextEffects TextEffects;
    bool Clipped = false;
    TveRect ClipRect;
    bool TextFlag = false;
    // Set for justified text-box and paragraph lines: the extra space of
    // each gap between words.
    bool Justified = false;
    std::vector<double> GapSpacing;
    // Advance of each character (engine units); only on items made by
    // metafile playback, empty otherwise.
    std::vector<double> CharAdvances;
};

enum TveHorizontalAlignment : std::uint8_t { haLeft, haRight, haCenter, haJustify };
enum TveVerticalAlignment : std::uint8_t { vaTop, vaCenter, vaBottom };

// Word-wrapped text inside a box with an optional frame.
class TveTextBoxItem : public TveTextItem {
public:
    double Width = 0;
    double Height = 0;
    TveFrame Frame;
    TveHorizontalAlignment HorzAlign = haLeft;
    TveVerticalAlignment VertAlign = vaTop;
    TPen Pen;
};

}  // namespace slidemint
