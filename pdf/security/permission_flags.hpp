#pragma once

#include <cstdint>

#include "pdf/security/encryption_settings.hpp"
#include "pdf/security/user_permissions.hpp"

namespace slidemint {

// Key length in bytes that belongs to a level: 5 at 40 bits, 16 at 128 bits.
constexpr int KeyLengthOf(TvePDFEncryptionLevel level) {
    return level == TvePDFEncryptionLevel::el40bit ? 5 : 16;
}

// Revision 3 of the Standard security handler rules for keys longer than
// 5 bytes, revision 2 otherwise.
constexpr bool UsesRevision3(TvePDFEncryptionLevel level) { return KeyLengthOf(level) > 5; }

// The /P value of the encryption dictionary for a permission set.
std::int32_t PermissionFlagsOf(TvePDFEncryptionLevel level, TveUserPermissions permissions);

}  // namespace slidemint
