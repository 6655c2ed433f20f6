#pragma once

#include "engine/image_settings.hpp"
#include "platform/imaging/bitmap.hpp"

#include <string>

namespace slidemint {

// Fax coding of a bitmap for a /CCITTFaxDecode image (black is 0 in the
// decoded samples, so /BlackIs1 stays at its default). The bitmap is made
// black and white first. ifCCITT3: T.4 one-dimensional Modified Huffman
// rows (/K 0) without EOL codes, byte alignment or RTC. ifCCITT4: T.6
// two-dimensional coding (/K -1) ending with the end-of-facsimile-block code.
// Bits are packed most significant first; the last byte is padded with zeros.
std::string EncodeCCITT(const Bitmap& bitmap, TveOutputImageFormat format);

}  // namespace slidemint
