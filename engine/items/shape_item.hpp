#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/drawing_tools.hpp"
#include "engine/geometry.hpp"
#include "engine/items/document_item.hpp"

namespace slidemint {

// Shape kinds and their points:
//   skLine 2; skRectangle, skEllipse 2 corners; skRoundRect 2 corners and
//   a third point holding the corner width and height; skPolygon,
//   skPolyline, skPolyBezier n; skArc, skChord, skPie 4 (two corners of the
//   bounding box, start point, end point).
enum TveShapeKind : std::uint8_t {
    skLine, skRectangle, skRoundRect, skEllipse, skPolygon, skPolyline, skArc, skChord, skPie,
    skPolyBezier
};

class TveShapeItem : public TveDocumentItem {
public:
    std::optional<TBrush> Brush;  // present only for filled shapes
    TPen Pen;
    TveShapeKind Kind = skLine;
    std::vector<TvePoint> Points;

    const TBrush* brushOrNull() const { return Brush ? &*Brush : nullptr; }
};

}  // namespace slidemint
