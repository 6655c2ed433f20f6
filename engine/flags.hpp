#pragma once

#include <cstdint>
#include <initializer_list>

namespace slidemint {

// A small set of enumeration values (each value 0..31 names one bit).
template <class Enum>
class TveFlags {
public:
    constexpr TveFlags() = default;
    constexpr TveFlags(std::initializer_list<Enum> values) {
        for (Enum value : values) include(value);
    }

    constexpr bool contains(Enum value) const { return (bits_ & bit(value)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr void include(Enum value) { bits_ |= bit(value); }
    constexpr void exclude(Enum value) { bits_ &= ~bit(value); }
    constexpr void set(Enum value, bool on) { on ? include(value) : exclude(value); }

    constexpr std::uint32_t bits() const { return bits_; }
    constexpr bool operator==(const TveFlags&) const = default;

private:
    static constexpr std::uint32_t bit(Enum value) {
        return std::uint32_t{1} << static_cast<unsigned>(value);
    }
    std::uint32_t bits_ = 0;
};

}  // namespace slidemint
