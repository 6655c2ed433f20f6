#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include <nettle/md5.h>

namespace slidemint {

using TMD5Digest = std::array<std::uint8_t, 16>;

// The RFC 1321 message digest, fed piece by piece.
class TMD5 {
public:
    TMD5();

    TMD5& Update(std::span<const std::uint8_t> bytes);
    TMD5& Update(std::string_view bytes);
    // Ends the message; the object starts over afterwards.
    TMD5Digest Final();

private:
    md5_ctx context_;
};

// Digest of one whole message.
TMD5Digest MD5Of(std::span<const std::uint8_t> bytes);

}  // namespace slidemint
