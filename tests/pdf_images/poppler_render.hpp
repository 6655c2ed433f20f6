#pragma once

#include "platform/imaging/bitmap.hpp"

#include <string>
#include <vector>

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

// Renders the first page with poppler's pdftoppm at dpi pixels per inch:
// a 24-bit bitmap, or (grey) one whose colours are grey levels.
Bitmap renderWithPoppler(const std::string& pdf, bool grey, int dpi = 72);

// Runs a command and gives back its standard output.
std::string commandOutput(const std::string& command);

std::string deflate(const std::string& data);

}  // namespace slidemint::testing
