#include "pdf/system_colors.hpp"

#include <array>

namespace slidemint {

namespace {

constexpr TColor Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

// The default colours of the desktop's display elements, by element index
// (scroll bar, desktop, active caption, ..., menu bar).
constexpr std::array<TColor, 31> kDefaultSystemColors = {
    Rgb(200, 200, 200), Rgb(0, 0, 0),       Rgb(153, 180, 209), Rgb(191, 205, 219),
    Rgb(240, 240, 240), Rgb(255, 255, 255), Rgb(100, 100, 100), Rgb(0, 0, 0),
    Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(180, 180, 180), Rgb(244, 247, 252),
    Rgb(171, 171, 171), Rgb(0, 120, 215),   Rgb(255, 255, 255), Rgb(240, 240, 240),
    Rgb(160, 160, 160), Rgb(109, 109, 109), Rgb(0, 0, 0),       Rgb(0, 0, 0),
    Rgb(255, 255, 255), Rgb(105, 105, 105), Rgb(227, 227, 227), Rgb(0, 0, 0),
    Rgb(255, 255, 225), Rgb(0, 0, 0),       Rgb(0, 102, 204),   Rgb(185, 209, 234),
    Rgb(215, 228, 242), Rgb(0, 120, 215),   Rgb(240, 240, 240),
};

}  // namespace

TColor ResolveSystemColor(TColor color) {
    if ((color & clSystemColor) == 0) return color & 0x00FFFFFFu;
    const TColor index = color & 0xFFu;
    return index < kDefaultSystemColors.size() ? kDefaultSystemColors[index] : 0;
}

}  // namespace slidemint
