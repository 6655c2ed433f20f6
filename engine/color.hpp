#pragma once

#include <cstdint>

namespace slidemint {

// A colour as 0x00BBGGRR; values with the top bit set name a system colour
// (0x80000000 | index), as the desktop system does.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clSystemColor = 0x80000000;

}  // namespace slidemint
