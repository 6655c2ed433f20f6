#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/drawing_state.hpp"
#include "engine/drawing_tools.hpp"
#include "engine/items/document_item.hpp"
#include "engine/items/text_item.hpp"

namespace slidemint {

class TveCustomDocumentEngine;
class TveTableItem;

// Width and settings of one table column.
class TveColumn {
public:
    double Width = 0;
    TveHorizontalAlignment HorzAlign = haLeft;
    TveVerticalAlignment VertAlign = vaTop;
    TveTableItem* Table = nullptr;
};

// One row: one cell item (text or image, or none) per column.
using TveTableRow = std::vector<std::shared_ptr<TveDocumentItem>>;

// A table. A table that spans pages is recorded on each page it touches;
// each record shows the rows FirstRow .. FirstRow + PageRowCount - 1.
class TveTableItem : public TveDocumentItem {
public:
    TveCustomDocumentEngine* Engine = nullptr;
    double X = 0;
    double Y = 0;
    int CurrentRow = -1;
    int ColumnCount = 0;
    TFont Font;
    TBrush Brush;
    TPen Pen;
    std::vector<int> RowHeights;
    std::vector<TveColumn> Columns;
    std::vector<TveTableRow> Rows;
    TveTableSettings TableSettings;
    double AvailableWidth = 0;
    double AvailableHeight = 0;
    TveTextEffects TextEffects;
    int FirstRow = 0;
    int PageRowCount = 0;
};

}  // namespace slidemint
