#pragma once

#include <cmath>

#include "platform/imaging/bitmap.hpp"

namespace slidemint::test_support {

// Peak signal-to-noise ratio of two bitmaps of the same size over their
// red, green and blue samples, in decibels; 99 for identical pictures.
inline double Psnr(const Bitmap& a, const Bitmap& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int shift : {0, 8, 16}) {
                const double d = static_cast<double>((a.pixelColor(x, y) >> shift) & 0xFF) -
                                 static_cast<double>((b.pixelColor(x, y) >> shift) & 0xFF);
                sum += d * d;
            }
    const double mse = sum / (3.0 * a.width() * a.height());
    return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

}  // namespace slidemint::test_support
