#pragma once

#include <optional>

#include "engine/geometry.hpp"

namespace slidemint {

// Moves an annotation rectangle (engine units, relative to the drawing
// area) by the area's origin. Accepted only when its top-left corner then
// lies in the area, both edges included; the rest of the rectangle may
// reach beyond the area or the page. Nothing when refused.
std::optional<TveRect> PlaceAnnotationRect(const TveRect& rect, const TveRect& area);

}  // namespace slidemint
