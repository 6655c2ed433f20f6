#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "pdf/security/encryption_settings.hpp"
#include "pdf/security/rc4_cipher.hpp"
#include "pdf/security/user_permissions.hpp"

namespace slidemint {

using TPDFCryptEntry = std::array<std::uint8_t, 32>;
using TPDFCryptKey = std::array<std::uint8_t, 16>;

// The computed security state of one document and the encryption of its
// strings and streams with per-object keys. A freshly constructed object is
// at 128 bits with every permission, no file identifier and zero entries;
// TvePDFEncryption fills it in from passwords.
class TveBasePDFCrypt {
public:
    TvePDFEncryptionLevel Level() const { return level_; }
    TveUserPermissions Permissions() const { return permissions_; }
    // Bytes of the document key in use: 5 at 40 bits, 16 at 128 bits.
    int KeyLength() const;
    std::span<const std::uint8_t> Key() const;

    // The file identifier, 16 bytes once computed.
    std::string GetFileID() const { return fileId_; }
    std::string GetOwnerEntry() const;  // /O, 32 bytes
    std::string GetUserEntry() const;   // /U, 32 bytes
    std::int32_t GetPermissionFlags() const;  // /P

    // XORs source with the keystream of the object into destination (at
    // least as long; may be the same buffer).
    void EncryptBuffer(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination,
                       int objectNumber, int generation = 0) const;

    // Every byte of data encrypted for the object; same length as data.
    std::string EncryptString(std::string_view data, int objectNumber, int generation = 0) const;

    // Encrypts the first count bytes of a byte buffer (std::string,
    // std::vector<std::uint8_t>, ...) and makes them its whole content. A
    // count beyond the buffer's size is taken as its size.
    template <class ByteBuffer>
    void EncryptStreamData(ByteBuffer& stream, std::size_t count, int objectNumber,
                           int generation = 0) const {
        static_assert(sizeof(*stream.data()) == 1, "a stream is a buffer of bytes");
        stream.resize(std::min(count, stream.size()));
        std::span<std::uint8_t> bytes(reinterpret_cast<std::uint8_t*>(stream.data()), stream.size());
        EncryptBuffer(bytes, bytes, objectNumber, generation);
    }

    // The whole buffer, the usual call for a stream.
    template <class ByteBuffer>
    void EncryptStream(ByteBuffer& stream, int objectNumber, int generation = 0) const {
        EncryptStreamData(stream, stream.size(), objectNumber, generation);
    }

protected:
    // The RC4 cipher keyed for one object (MD5 of the document key, the
    // object number's three low bytes and the generation's two low bytes).
    TRC4Cipher InitObjectCipher(int objectNumber, int generation) const;

    TvePDFEncryptionLevel level_ = TvePDFEncryptionLevel::el128bit;
    std::string fileId_;
    TPDFCryptEntry ownerEntry_{};
    TPDFCryptEntry userEntry_{};
    TPDFCryptKey key_{};
    TveUserPermissions permissions_ = TveUserPermissions::All();
};

}  // namespace slidemint
