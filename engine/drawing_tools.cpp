#include "engine/drawing_tools.hpp"

#include <cmath>

#include "engine/units.hpp"

namespace slidemint {

int TFont::Height() const {
    return -static_cast<int>(std::lround(Size * ScreenPPI() / 72.0));
}

void TFont::SetHeight(int pixels) {
    Size = static_cast<int>(std::lround(std::abs(pixels) * 72.0 / ScreenPPI()));
}

}  // namespace slidemint
