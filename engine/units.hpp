#pragma once

#include <cstdint>

namespace slidemint {

// The unit in which callers give lengths and coordinates.
enum TveUnitType : std::uint8_t { muPixels, muInches, muMM, muPoints, muTwips };

// Logical pixels per inch of the screen; one engine unit is 1/ScreenPPI
// inch. Comes from SystemEnvironment (settable for tests).
int ScreenPPI();
// ScreenPPI / 72.
double PixelsPerPoint();
// 72 / ScreenPPI.
double PointsPerPixel();

// Engine units per unit: muPixels 1, muInches 72 x PixelsPerPoint,
// muMM 2.83464 x PixelsPerPoint, muPoints PixelsPerPoint,
// muTwips 0.05 x PixelsPerPoint.
double UnitFactor(TveUnitType unit);

// Drawing coordinates (not page sizes): with a factor other than 1 the value
// is multiplied by it; with factor 1 (pixels) it is scaled from the input
// resolution to the screen: value x ScreenPPI / inputResolution.
double DrawingToInternal(double value, double factor, int inputResolution);

}  // namespace slidemint
