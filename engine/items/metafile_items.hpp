#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "engine/drawing_tools.hpp"
#include "engine/geometry.hpp"
#include "engine/items/document_item.hpp"
#include "engine/items/shape_item.hpp"

namespace slidemint {

// Items that only metafile playback makes.

// A clip region: its rectangles and the region combine mode; Reset clears
// clipping instead.
class TveClipItem : public TveDocumentItem {
public:
    bool Reset = false;
    std::vector<TveRect> Rects;
    int CombineMode = 0;
};

enum TvePathKind : std::uint8_t {
    pkBeginPath, pkEndPath, pkCloseFigure, pkAbortPath, pkFillPath, pkStrokeAndFillPath,
    pkStrokePath, pkSelectClipPath
};

// A path bracket or path painting step.
class TvePathItem : public TveDocumentItem {
public:
    TvePathKind Kind = pkBeginPath;
    std::optional<TPen> Pen;      // fill and stroke kinds
    std::optional<TBrush> Brush;  // fill and stroke kinds
    int RegionMode = 0;           // select-clip kind
};

// The end of a metafile's figures.
class TveEOFItem : public TveDocumentItem {};

// Several shapes drawn by one record (one polyline per sub-polyline).
class TvePolyShapeItem : public TveDocumentItem {
public:
    std::vector<TveShapeItem> Shapes;
};

// Several polygons filled as one.
class TvePolyPolygonItem : public TveDocumentItem {
public:
    std::vector<TvePoint> Points;
    std::vector<int> PolygonCounts;
    TPen Pen;
    std::optional<TBrush> Brush;
    bool AlternateFill = false;  // even-odd rule
};

// Points with their point types (move, line, Bezier, close flag).
class TvePolyDrawItem : public TveDocumentItem {
public:
    std::vector<TvePoint> Points;
    std::vector<std::uint8_t> Types;
    TPen Pen;
    std::optional<TBrush> Brush;
};

}  // namespace slidemint
