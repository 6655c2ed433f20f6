#pragma once

#include "engine/image_settings.hpp"
#include "platform/imaging/bitmap.hpp"

#include <string>

namespace slidemint {

// The bitmap's samples as R, G, B bytes, rows from the top, without padding:
// width x height x 3 bytes.
std::string BitmapToRGB(const Bitmap& bitmap);

// A baseline JFIF file of the bitmap at an IJG quality of 1-100. A bitmap one
// row high is first made two rows high by repeating its row.
std::string EncodeJPEG(const Bitmap& bitmap, int quality);

// The filter entry of an image dictionary: "/Filter/FlateDecode" for ifBMP
// when compression is enabled (else nothing), "/Filter/DCTDecode" for ifJPEG,
// "/Filter[/CCITTFaxDecode]" for the fax formats, nothing otherwise.
std::string FilterEntry(TveOutputImageFormat format, bool compressionEnabled);

}  // namespace slidemint
