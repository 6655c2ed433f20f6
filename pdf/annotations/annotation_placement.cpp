#include "pdf/annotations/annotation_placement.hpp"

namespace slidemint {

std::optional<TveRect> PlaceAnnotationRect(const TveRect& rect, const TveRect& area) {
    const TveRect placed{rect.Left + area.Left, rect.Top + area.Top, rect.Right + area.Left,
                         rect.Bottom + area.Top};
    const bool inside = area.Left <= placed.Left && placed.Left <= area.Right && area.Top <= placed.Top &&
                        placed.Top <= area.Bottom;
    if (!inside) return std::nullopt;
    return placed;
}

}  // namespace slidemint
