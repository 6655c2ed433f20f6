#pragma once

#include <memory>
#include <vector>

#include "engine/items/document_item.hpp"
#include "engine/items/text_item.hpp"
#include "engine/page_settings.hpp"

namespace slidemint {

class TveCustomDocumentEngine;

// Items of a page or band: the drawing-order item list, the text list
// (text-list mode only) and the y position of the next running text line.
class TveBandItem {
public:
    TveItemList Items;
    std::vector<std::unique_ptr<TveTextItem>> TextList;
    double TextCursor = 0;
};

// A recorded page with its own copy of the page settings.
class TvePageItem : public TveBandItem {
public:
    TvePageItem(TveCustomDocumentEngine* engine, const TvePageSettings& settings)
        : Engine(engine), PageSettings(settings) {}

    TveCustomDocumentEngine* Engine;
    TvePageSettings PageSettings;
};

}  // namespace slidemint
