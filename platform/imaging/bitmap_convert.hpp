#pragma once

#include "platform/imaging/bitmap.hpp"

#include <cstdint>
#include <vector>

namespace slidemint {

// The colour table a new indexed bitmap of this format gets when colours are
// reduced into it: black and white for 1 bit, the sixteen standard VGA
// colours for 4 bits, a 6 x 6 x 6 colour cube followed by a grey ramp for 8.
std::vector<std::uint32_t> standardPalette(PixelFormat format);

// A copy of the bitmap in another pixel format. Indexed sources keep their
// palette when it fits the target; otherwise colours go to the nearest entry
// of the target's standard palette. Direct targets get opaque pixels.
Bitmap convertBitmap(const Bitmap& source, PixelFormat target);

// A one-bit copy whose palette is exactly black (index 0) and white (index 1);
// every colour goes to the nearer of the two.
Bitmap makeMonochrome(const Bitmap& source);

// A copy resized to width x height by nearest-neighbour sampling, in the
// source's pixel format and palette.
Bitmap stretchBitmap(const Bitmap& source, int width, int height);

// How drawn pixels combine with the pixels already there.
enum class RasterOp {
    Copy,  // source replaces destination
    And,   // bitwise AND of source and destination colours
};

// Draws source onto target with its top-left corner at (x, y); the parts
// outside the target are clipped.
void drawBitmap(Bitmap& target, const Bitmap& source, int x, int y, RasterOp op = RasterOp::Copy);

}  // namespace slidemint
