#pragma once

#include <string>

#include "pdf/security/encryption_settings.hpp"

namespace slidemint::testing {

// The plain texts a MiniEncryptedPdf carries, for comparison after decryption.
inline constexpr char MiniPdfContent[] = "q 0 0 1 rg 10 10 180 180 re f Q";
inline constexpr char MiniPdfProducer[] = "Korvella Pressline V2.1";

// A one-page PDF 1.4 file (Catalog, Pages, Info with an 8-bit and a UTF-16
// string, page, Flate-compressed content stream with a separate length
// object), protected through TvePDFDocumentSecurity the way the writer
// uses it. Returns the bytes of the file.
std::string MiniEncryptedPdf(const TvePDFEncryptionSettings& settings);

}  // namespace slidemint::testing
