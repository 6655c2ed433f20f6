#pragma once

#include <cstdint>
#include <initializer_list>

namespace slidemint {

// What a user who opened a protected document with the user password may do.
// The ordinal of each member is its bit in the byte that holds the set.
enum class TveUserPermissionsType : std::uint8_t {
    AllowCopy = 0,
    AllowModify = 1,
    AllowPrint = 2,
    AllowAnnotation = 3,
    AllowFormFill = 4,
    AllowAccessibility = 5,
    AllowDocAssembly = 6,
    AllowHighResPrint = 7,
};

// A set of TveUserPermissionsType held in one byte.
class TveUserPermissions {
public:
    constexpr TveUserPermissions() = default;
    constexpr TveUserPermissions(std::initializer_list<TveUserPermissionsType> members) {
        for (auto member : members) Include(member);
    }

    static constexpr TveUserPermissions All() { return FromByte(0xFF); }
    static constexpr TveUserPermissions None() { return FromByte(0x00); }
    static constexpr TveUserPermissions FromByte(std::uint8_t bits) {
        TveUserPermissions set;
        set.bits_ = bits;
        return set;
    }

    constexpr std::uint8_t ToByte() const { return bits_; }
    constexpr bool Contains(TveUserPermissionsType member) const {
        return (bits_ & BitOf(member)) != 0;
    }
    constexpr bool Empty() const { return bits_ == 0; }

    constexpr TveUserPermissions& Include(TveUserPermissionsType member) {
        bits_ = static_cast<std::uint8_t>(bits_ | BitOf(member));
        return *this;
    }
    constexpr TveUserPermissions& Exclude(TveUserPermissionsType member) {
        bits_ = static_cast<std::uint8_t>(bits_ & ~BitOf(member));
        return *this;
    }

    friend constexpr TveUserPermissions operator|(TveUserPermissions a, TveUserPermissions b) {
        return FromByte(static_cast<std::uint8_t>(a.bits_ | b.bits_));
    }
    friend constexpr TveUserPermissions operator&(TveUserPermissions a, TveUserPermissions b) {
        return FromByte(static_cast<std::uint8_t>(a.bits_ & b.bits_));
    }
    friend constexpr bool operator==(TveUserPermissions, TveUserPermissions) = default;

private:
    static constexpr std::uint8_t BitOf(TveUserPermissionsType member) {
        return static_cast<std::uint8_t>(1u << static_cast<unsigned>(member));
    }

    std::uint8_t bits_ = 0;
};

}  // namespace slidemint
