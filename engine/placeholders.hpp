#pragma once

#include <string>

namespace slidemint {

// Replaces every occurrence of `token` in `text` by `value`, comparing
// letters without regard to case (ASCII letters). Text inserted by a
// replacement is not searched again.
std::u16string ReplaceIgnoringCase(const std::u16string& text, const std::u16string& token,
                                   const std::u16string& value);

// UTF-16 from an 8-bit literal of ASCII characters.
std::u16string AsciiToWide(const std::string& ascii);

}  // namespace slidemint
