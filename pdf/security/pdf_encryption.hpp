#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "pdf/security/base_pdf_crypt.hpp"
#include "pdf/security/encryption_settings.hpp"

namespace slidemint {

// The Standard security handler of one document. The constructor captures
// the settings and computes the file identifier, /O, the document key and
// /U at once; the object is then read-only.
class TvePDFEncryption : public TveBasePDFCrypt {
public:
    // name: the engine's FileName immediately followed by its FileExtension.
    // creationDate: the document's "D:yyyymmddhhnnss+hh'mm'" text.
    // Both only feed the file identifier, so one name and one date always
    // give the same identifier.
    TvePDFEncryption(std::string_view name, std::string_view creationDate,
                     const TvePDFEncryptionSettings& settings);

    // The password cut to 32 bytes, or filled up to 32 from the padding
    // string of the Standard security handler.
    static TPDFCryptEntry PadPassword(std::string_view password);

    const std::string& OwnerPassword() const { return ownerPassword_; }
    const std::string& UserPassword() const { return userPassword_; }

private:
    void ComputeFileID(std::string_view name, std::string_view creationDate);
    void ComputePaddedPasswords();
    void ComputeOwnerEntry();
    void ComputeKeys();
    void ComputeUserEntry();

    std::span<const std::uint8_t> PaddedOwnerPassword() const;
    std::span<const std::uint8_t> PaddedUserPassword() const;

    std::string ownerPassword_;
    std::string userPassword_;
    std::array<std::uint8_t, 64> paddedPasswords_{};  // owner side, then user
};

}  // namespace slidemint
