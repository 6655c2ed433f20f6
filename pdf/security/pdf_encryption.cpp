#include "pdf/security/pdf_encryption.hpp"

#include <algorithm>

#include "pdf/security/md5_digest.hpp"
#include "pdf/security/permission_flags.hpp"

namespace slidemint {
namespace {

constexpr TPDFCryptEntry PasswordPadding = {
    0x28, 0xBF, 0x4E, 0x5E, 0x4E, 0x75, 0x8A, 0x41, 0x64, 0x00, 0x4E, 0x56, 0xFF, 0xFA, 0x01, 0x08,
    0x2E, 0x2E, 0x00, 0xB6, 0xD0, 0x68, 0x3E, 0x80, 0x2F, 0x0C, 0xA9, 0xFE, 0x64, 0x53, 0x69, 0x7A};

constexpr int Revision3HashRounds = 50;
constexpr int Revision3CipherRounds = 20;

// Revision 3 strengthens a digest by hashing it again fifty times.
TMD5Digest Rehashed(TMD5Digest digest) {
    for (int round = 0; round < Revision3HashRounds; ++round) digest = MD5Of(digest);
    return digest;
}

// Revision 3 encrypts twenty times, with the key XORed by the round number.
void EncryptInRounds(std::span<const std::uint8_t> key, std::span<std::uint8_t> bytes) {
    std::array<std::uint8_t, 16> roundKey{};
    for (int round = 0; round < Revision3CipherRounds; ++round) {
        std::transform(key.begin(), key.end(), roundKey.begin(),
                       [round](std::uint8_t b) { return static_cast<std::uint8_t>(b ^ round); });
        TRC4Cipher(std::span<const std::uint8_t>(roundKey).first(key.size())).ApplyInPlace(bytes);
    }
}

std::array<std::uint8_t, 4> LowByteFirst(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

}  // namespace

TvePDFEncryption::TvePDFEncryption(std::string_view name, std::string_view creationDate,
                                   const TvePDFEncryptionSettings& settings)
    : ownerPassword_(settings.OwnerPassword), userPassword_(settings.UserPassword) {
    level_ = settings.Level;
    permissions_ = settings.UserPermissions;
    ComputeFileID(name, creationDate);
    ComputePaddedPasswords();
    ComputeOwnerEntry();
    ComputeKeys();
}

TPDFCryptEntry TvePDFEncryption::PadPassword(std::string_view password) {
    TPDFCryptEntry padded{};
    const std::size_t kept = std::min(password.size(), padded.size());
    std::copy_n(password.begin(), kept, padded.begin());
    std::copy_n(PasswordPadding.begin(), padded.size() - kept, padded.begin() + kept);
    return padded;
}

void TvePDFEncryption::ComputeFileID(std::string_view name, std::string_view creationDate) {
    const TMD5Digest digest = TMD5().Update(name).Update(creationDate).Final();
    fileId_.assign(digest.begin(), digest.end());
}

void TvePDFEncryption::ComputePaddedPasswords() {
    // Without an owner password the user password guards both sides.
    const std::string& ownerSide = ownerPassword_.empty() ? userPassword_ : ownerPassword_;
    const TPDFCryptEntry owner = PadPassword(ownerSide);
    const TPDFCryptEntry user = PadPassword(userPassword_);
    std::copy(owner.begin(), owner.end(), paddedPasswords_.begin());
    std::copy(user.begin(), user.end(), paddedPasswords_.begin() + 32);
}

std::span<const std::uint8_t> TvePDFEncryption::PaddedOwnerPassword() const {
    return std::span<const std::uint8_t>(paddedPasswords_).first(32);
}

std::span<const std::uint8_t> TvePDFEncryption::PaddedUserPassword() const {
    return std::span<const std::uint8_t>(paddedPasswords_).subspan(32);
}

void TvePDFEncryption::ComputeOwnerEntry() {
    TMD5Digest digest = MD5Of(PaddedOwnerPassword());
    const bool revision3 = UsesRevision3(level_);
    if (revision3) digest = Rehashed(digest);
    const auto ownerKey = std::span<const std::uint8_t>(digest).first(static_cast<std::size_t>(KeyLength()));
    std::copy(PaddedUserPassword().begin(), PaddedUserPassword().end(), ownerEntry_.begin());
    if (revision3)
        EncryptInRounds(ownerKey, ownerEntry_);
    else
        TRC4Cipher(ownerKey).ApplyInPlace(ownerEntry_);
}

void TvePDFEncryption::ComputeKeys() {
    const auto fileId = std::span<const std::uint8_t>(
        reinterpret_cast<const std::uint8_t*>(fileId_.data()), fileId_.size());
    TMD5Digest digest = TMD5()
                            .Update(PaddedUserPassword())
                            .Update(ownerEntry_)
                            .Update(LowByteFirst(GetPermissionFlags()))
                            .Update(fileId)
                            .Final();
    if (UsesRevision3(level_)) digest = Rehashed(digest);
    key_ = digest;
    ComputeUserEntry();
}

void TvePDFEncryption::ComputeUserEntry() {
    if (!UsesRevision3(level_)) {
        userEntry_ = PasswordPadding;
        TRC4Cipher(Key()).ApplyInPlace(userEntry_);
        return;
    }
    const TMD5Digest digest = TMD5().Update(PasswordPadding).Update(fileId_).Final();
    userEntry_.fill(0);
    std::copy(digest.begin(), digest.end(), userEntry_.begin());
    EncryptInRounds(Key(), std::span<std::uint8_t>(userEntry_).first(16));
}

}  // namespace slidemint
