#pragma once

#include "engine/color.hpp"

namespace slidemint {

// A colour as plain 0x00BBGGRR: system colours (0x80000000 | index) become
// the desktop's default value for that element; unknown indexes black.
// Plain colours are returned with their top byte cleared.
TColor ResolveSystemColor(TColor color);

}  // namespace slidemint
