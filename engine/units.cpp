#include "engine/units.hpp"

#include "platform/system_environment.hpp"

namespace slidemint {

int ScreenPPI() { return SystemEnvironment::current().screenPPI(); }

double PixelsPerPoint() { return ScreenPPI() / 72.0; }

double PointsPerPixel() { return 72.0 / ScreenPPI(); }

double UnitFactor(TveUnitType unit) {
    switch (unit) {
    case muPixels: return 1.0;
    case muInches: return 72 * PixelsPerPoint();
    case muMM: return 2.83464 * PixelsPerPoint();
    case muPoints: return PixelsPerPoint();
    case muTwips: return 0.05 * PixelsPerPoint();
    }
    return 1.0;
}

double DrawingToInternal(double value, double factor, int inputResolution) {
    if (factor != 1.0) return value * factor;
    if (inputResolution <= 0) return value;
    return value * ScreenPPI() / inputResolution;
}

}  // namespace slidemint
