#pragma once

#include <cstdint>

namespace slidemint {

// Where a page's background image goes.
enum TveBackgroundDisplayType : std::uint8_t {
    dtTile, dtTopLeft, dtTopCenter, dtTopRight, dtCenterLeft, dtCenter, dtCenterRight,
    dtBottomLeft, dtBottomCenter, dtBottomRight
};

}  // namespace slidemint
