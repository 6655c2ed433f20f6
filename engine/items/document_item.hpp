#pragma once

#include <memory>
#include <vector>

namespace slidemint {

// Base of every recorded page item. Coordinates of items are doubles in
// engine units, origin at the page's top-left corner, y downwards.
class TveDocumentItem {
public:
    virtual ~TveDocumentItem() = default;

protected:
    TveDocumentItem() = default;
    TveDocumentItem(const TveDocumentItem&) = default;
    TveDocumentItem& operator=(const TveDocumentItem&) = default;
};

using TveItemList = std::vector<std::unique_ptr<TveDocumentItem>>;

}  // namespace slidemint
