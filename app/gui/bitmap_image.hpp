#pragma once

#include <QImage>

namespace slidemint {

class Bitmap;

// A copy of bitmap as a 24-bit image (an empty bitmap gives a null image).
QImage ToQImage(const Bitmap& bitmap);

}  // namespace slidemint
