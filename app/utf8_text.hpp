#pragma once

#include <string>

namespace slidemint {

// UTF-8 text (the command line's and the window's) as UTF-16; a byte that
// does not start a valid sequence stands for itself (Latin-1).
std::u16string Utf8ToUtf16(const std::string& text);

}  // namespace slidemint
