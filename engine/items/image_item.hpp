#pragma once

#include <cstdint>
#include <vector>

#include "engine/drawing_state.hpp"
#include "engine/drawing_tools.hpp"
#include "engine/geometry.hpp"
#include "engine/image_settings.hpp"
#include "engine/items/document_item.hpp"

namespace slidemint {

// An image of the document's image list placed on a page. X, Y, Width and
// Height are where the picture goes after sizing; DisplayRect is the
// rectangle the caller asked for.
class TveImageItem : public TveDocumentItem {
public:
    double X = 0;
    double Y = 0;
    double Width = 0;
    double Height = 0;
    int ImageIndex = -1;
    TveFrame Frame;
    TPen Pen;
    TBrush Brush;
    TveImageSettings ImageSettings;
    TveRect DisplayRect;
};

// An image given as encoded bytes that the writer embeds as they are.
class TveImageStream : public TveImageItem {
public:
    std::vector<std::uint8_t> Data;
    int PixelWidth = 0;
    int PixelHeight = 0;
};

}  // namespace slidemint
