#include "pdf/security/base_pdf_crypt.hpp"

#include "pdf/security/md5_digest.hpp"
#include "pdf/security/permission_flags.hpp"

namespace slidemint {
namespace {

std::string ToByteString(const TPDFCryptEntry& entry) {
    return std::string(entry.begin(), entry.end());
}

}  // namespace

int TveBasePDFCrypt::KeyLength() const { return KeyLengthOf(level_); }

std::span<const std::uint8_t> TveBasePDFCrypt::Key() const {
    return std::span<const std::uint8_t>(key_).first(static_cast<std::size_t>(KeyLength()));
}

std::string TveBasePDFCrypt::GetOwnerEntry() const { return ToByteString(ownerEntry_); }

std::string TveBasePDFCrypt::GetUserEntry() const { return ToByteString(userEntry_); }

std::int32_t TveBasePDFCrypt::GetPermissionFlags() const {
    return PermissionFlagsOf(level_, permissions_);
}

TRC4Cipher TveBasePDFCrypt::InitObjectCipher(int objectNumber, int generation) const {
    const auto object = static_cast<std::uint32_t>(objectNumber);
    const auto gen = static_cast<std::uint32_t>(generation);
    const std::uint8_t salt[5] = {
        static_cast<std::uint8_t>(object), static_cast<std::uint8_t>(object >> 8),
        static_cast<std::uint8_t>(object >> 16), static_cast<std::uint8_t>(gen),
        static_cast<std::uint8_t>(gen >> 8)};
    const TMD5Digest digest = TMD5().Update(Key()).Update(salt).Final();
    const std::size_t objectKeyLength = std::min<std::size_t>(Key().size() + 5, digest.size());
    return TRC4Cipher(std::span<const std::uint8_t>(digest).first(objectKeyLength));
}

void TveBasePDFCrypt::EncryptBuffer(std::span<const std::uint8_t> source,
                                    std::span<std::uint8_t> destination, int objectNumber,
                                    int generation) const {
    InitObjectCipher(objectNumber, generation).Apply(source, destination);
}

std::string TveBasePDFCrypt::EncryptString(std::string_view data, int objectNumber,
                                           int generation) const {
    std::string result(data);
    std::span<std::uint8_t> bytes(reinterpret_cast<std::uint8_t*>(result.data()), result.size());
    EncryptBuffer(bytes, bytes, objectNumber, generation);
    return result;
}

}  // namespace slidemint
