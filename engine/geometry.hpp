#pragma once

namespace slidemint {

// A point of doubles; in engine units once recorded.
struct TvePoint {
    double X = 0;
    double Y = 0;
    bool operator==(const TvePoint&) const = default;
};

// A rectangle of doubles: in the caller's unit when handed to an operation,
// in engine units once recorded.
struct TveRect {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;

    double width() const { return Right - Left; }
    double height() const { return Bottom - Top; }
    bool operator==(const TveRect&) const = default;
};

}  // namespace slidemint
