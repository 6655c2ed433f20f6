#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace slidemint::testing {

// "4A0F" -> the bytes 0x4A 0x0F.
inline std::string FromHex(std::string_view hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    return bytes;
}

inline std::string ToHex(std::span<const std::uint8_t> bytes) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string hex;
    for (auto b : bytes) {
        hex += Digits[b >> 4];
        hex += Digits[b & 0x0F];
    }
    return hex;
}

inline std::string ToHex(std::string_view bytes) {
    return ToHex(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                               bytes.size()));
}

}  // namespace slidemint::testing
