#include "pdf/security/encryption_dictionary.hpp"

#include "pdf/security/permission_flags.hpp"

namespace slidemint {

std::string BytesToHex(std::string_view bytes) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex += Digits[byte >> 4];
        hex += Digits[byte & 0x0F];
    }
    return hex;
}

std::string EncryptionDictionaryBody(const TveBasePDFCrypt& crypt) {
    const std::string flags = std::to_string(crypt.GetPermissionFlags());
    std::string body = UsesRevision3(crypt.Level()) ? "/V 2/R 3/P " + flags + "/Length 128"
                                                    : "/V 1/R 2/P " + flags;
    body += "/Filter/Standard";
    body += "/O <" + BytesToHex(crypt.GetOwnerEntry()) + ">";
    body += "/U <" + BytesToHex(crypt.GetUserEntry()) + ">";
    body += "\r\n";
    return body;
}

std::string EncryptionTrailerEntries(const TveBasePDFCrypt& crypt, int dictionaryNumber) {
    const std::string id = BytesToHex(crypt.GetFileID());
    return "/ID [<" + id + "><" + id + ">]/Encrypt " + std::to_string(dictionaryNumber) + " 0 R";
}

}  // namespace slidemint
