#include "pdf/security/rc4_cipher.hpp"

namespace slidemint {

TRC4Cipher::TRC4Cipher(std::span<const std::uint8_t> key) {
    if (key.size() < MinKeyLength || key.size() > MaxKeyLength) throw ERC4InvalidKeyLength();
    arcfour_set_key(&state_, key.size(), key.data());
}

void TRC4Cipher::Apply(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination) {
    if (destination.size() < source.size())
        throw EngineError("RC4: destination shorter than source");
    arcfour_crypt(&state_, source.size(), destination.data(), source.data());
}

}  // namespace slidemint
