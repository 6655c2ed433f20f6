#pragma once

#include <cstdint>

namespace slidemint {

// The /Encoding of simple fonts the PDF writer produces.
enum class TvePDFFontEncoding : std::uint8_t {
    feWinAnsiEncoding,
    feMacRomanEncoding,
    feMacExpertEncoding,
    feStandardEncoding,
    fePDFDocEncoding,
};

}  // namespace slidemint
