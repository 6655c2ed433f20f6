#pragma once

#include "platform/imaging/bitmap.hpp"

#include <string>

namespace slidemint::testing {

// The dictionary entries of an image XObject (without /Length) and its data.
struct ImageObject {
    std::string entries;
    std::string data;
};

// A one-page PDF whose page is width x height points and shows the image
// over the whole page.
std::string singleImagePdf(const ImageObject& image, int width, int height);

bool popplerAvailable();

// Renders the only page with poppler's pdftoppm and gives back one pixel per
// point: a 24-bit bitmap, or (grey) one whose colours are grey levels.
Bitmap renderWithPoppler(const std::string& pdf, bool grey);

std::string deflate(const std::string& data);

}  // namespace slidemint::testing
