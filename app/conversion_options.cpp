#include "app/conversion_options.hpp"

#include <cfenv>
#include <cmath>
#include <limits>

namespace slidemint {

namespace {

// Nearest integer, ties to even; values outside the int range give 0.
int RoundToPixels(double points) {
    if (!std::isfinite(points)) return 0;
    const double rounded = std::nearbyint(points);  // default rounding mode: ties to even
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max()) return 0;
    return static_cast<int>(rounded);
}

}  // namespace

SlidePixelSize SlideSizeFor(int qualityIndex, double slideWidthPoints, double slideHeightPoints) {
    switch (qualityIndex) {
        case static_cast<int>(SlideQuality::Normal): return {640, 480};
        case static_cast<int>(SlideQuality::High): return {800, 600};
        case static_cast<int>(SlideQuality::VeryHigh): return {1024, 768};
        case static_cast<int>(SlideQuality::DefaultSlide):
            return {RoundToPixels(slideWidthPoints), RoundToPixels(slideHeightPoints)};
        default: return {0, 0};
    }
}

}  // namespace slidemint
