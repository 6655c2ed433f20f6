#pragma once

#include <string>

#include "pdf/security/user_permissions.hpp"

namespace slidemint {

// Key length of the Standard security handler: 40 bits (revision 2) or
// 128 bits (revision 3).
enum class TvePDFEncryptionLevel { el40bit, el128bit };

// What a caller asks for when a document is to be password protected.
// The PDF engine owns one and publishes it as its Encryption property.
// Setting a field has no side effect and is not checked; the values are
// captured when the document's security handler is created.
class TvePDFEncryptionSettings {
public:
    bool Enabled = false;
    TvePDFEncryptionLevel Level = TvePDFEncryptionLevel::el128bit;
    std::string OwnerPassword;  // bytes in the system code page
    std::string UserPassword;   // bytes in the system code page
    TveUserPermissions UserPermissions = TveUserPermissions::All();

    // Copies every value of source; the two objects stay independent.
    void Assign(const TvePDFEncryptionSettings& source) { *this = source; }
};

}  // namespace slidemint
