#include "pdf/security/permission_flags.hpp"

#include <span>

namespace slidemint {
namespace {

using P = TveUserPermissionsType;

// Bits 7 and up are set in both bases; revision 3 leaves bits 9-12 to the
// permissions it adds.
constexpr std::uint32_t Revision2Base = 0xFFFFFFC0u;
constexpr std::uint32_t Revision3Base = 0xFFFFF0C0u;

struct TPermissionBit {
    P member;
    std::uint32_t bit;
};

constexpr TPermissionBit CommonBits[] = {
    {P::AllowPrint, 4}, {P::AllowModify, 8}, {P::AllowCopy, 16}, {P::AllowAnnotation, 32}};

constexpr TPermissionBit Revision3Bits[] = {
    {P::AllowFormFill, 256}, {P::AllowAccessibility, 512}, {P::AllowDocAssembly, 1024}};

std::uint32_t BitsOf(std::span<const TPermissionBit> table, TveUserPermissions permissions) {
    std::uint32_t bits = 0;
    for (const auto& entry : table)
        if (permissions.Contains(entry.member)) bits |= entry.bit;
    return bits;
}

}  // namespace

std::int32_t PermissionFlagsOf(TvePDFEncryptionLevel level, TveUserPermissions permissions) {
    std::uint32_t flags = BitsOf(CommonBits, permissions);
    if (!UsesRevision3(level)) return static_cast<std::int32_t>(Revision2Base | flags);
    flags |= BitsOf(Revision3Bits, permissions);
    // High-resolution printing means nothing without printing.
    if (permissions.Contains(P::AllowHighResPrint) && permissions.Contains(P::AllowPrint)) flags |= 2048;
    return static_cast<std::int32_t>(Revision3Base | flags);
}

}  // namespace slidemint
