#pragma once

#include <string>

#include "pdf/security/base_pdf_crypt.hpp"

namespace slidemint {

// Body of the encryption dictionary, ready for the writer's WriteObject
// (which adds the brackets because the body ends in CR LF), e.g.
// "/V 2/R 3/P -3888/Length 128/Filter/Standard/O <64 hex digits>/U <...>\r\n".
std::string EncryptionDictionaryBody(const TveBasePDFCrypt& crypt);

// The trailer entries of an encrypted document, to follow "/Size n":
// "/ID [<id><id>]/Encrypt <dictionaryNumber> 0 R".
std::string EncryptionTrailerEntries(const TveBasePDFCrypt& crypt, int dictionaryNumber);

// Two upper-case hexadecimal digits per byte.
std::string BytesToHex(std::string_view bytes);

}  // namespace slidemint
