#pragma once

#include <string>
#include <string_view>

namespace slidemint {

// Conversion between UTF-16 and one 8-bit (or multi-byte) code page, named
// as iconv knows it ("CP1252", "CP1250", "CP932", ...).
//
// A character the code page cannot represent becomes "?" (the usual
// replacement of the desktop system); a byte sequence that does not decode
// becomes the code unit of equal value (as the system does for the unused
// bytes of single-byte code pages).
class CodePage {
public:
    // Throws std::invalid_argument when iconv does not know the name.
    explicit CodePage(std::string iconvName);

    const std::string& name() const { return name_; }

    std::u16string toUtf16(std::string_view bytes) const;
    std::string fromUtf16(std::u16string_view text) const;

private:
    std::string name_;
};

}  // namespace slidemint
