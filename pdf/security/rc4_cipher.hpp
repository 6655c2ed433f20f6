#pragma once

#include <cstdint>
#include <span>

#include <nettle/arcfour.h>

#include "engine/engine_error.hpp"

namespace slidemint {

// Raised for an RC4 key shorter than 1 or longer than 256 bytes.
class ERC4InvalidKeyLength : public EngineError {
public:
    ERC4InvalidKeyLength() : EngineError("RC4: Invalid key length") {}
};

// The RC4 stream cipher. Each object schedules its key once; the keystream
// then continues across calls of Apply.
class TRC4Cipher {
public:
    static constexpr std::size_t MinKeyLength = 1;
    static constexpr std::size_t MaxKeyLength = 256;

    explicit TRC4Cipher(std::span<const std::uint8_t> key);

    // XORs source with the next source.size() keystream bytes into
    // destination, which must be as long; the two may be the same buffer.
    void Apply(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination);
    void ApplyInPlace(std::span<std::uint8_t> bytes) { Apply(bytes, bytes); }

private:
    arcfour_ctx state_;
};

}  // namespace slidemint
