#pragma once

#include <cstdint>

namespace slidemint {

// One code word of the fax coding tables: its bits, right-aligned, and its
// length.
struct FaxCode {
    std::uint16_t bits = 0;
    std::uint8_t length = 0;
};

// Run-length codes of ITU-T T.4 (also used by T.6 horizontal mode).
FaxCode faxTerminatingCode(bool black, int runLength);   // 0..63
FaxCode faxMakeUpCode(bool black, int runLength);        // 64..2560, a multiple of 64

}  // namespace slidemint
