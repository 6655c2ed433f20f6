#pragma once

#include <string>
#include <vector>

#include "engine/drawing_state.hpp"
#include "engine/drawing_tools.hpp"
#include "engine/items/document_item.hpp"

namespace slidemint {

// A word-wrapped paragraph of running text.
class TveParagraphItem : public TveDocumentItem {
public:
    double X = 0;
    double Y = 0;
    double Width = 0;
    double Height = 0;
    TFont Font;
    TBrush Brush;
    std::vector<std::u16string> Lines;
    TveTextFormatting TextFormatting;
    TveTextEffects TextEffects;
};

}  // namespace slidemint
