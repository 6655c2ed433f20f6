#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "pdf/security/encryption_settings.hpp"
#include "pdf/security/pdf_encryption.hpp"

namespace slidemint {

// The security side of one document as the PDF writer sees it: holds the
// document's handler while it exists and answers every encryption call,
// leaving data untouched while there is none. Whether anything is encrypted
// is decided once, when the handler is created, so a document never mixes
// plain and encrypted objects or carries a dictionary for another key.
class TvePDFDocumentSecurity {
public:
    // Creates the handler when settings.Enabled (at the start of the first
    // page output); does nothing otherwise.
    void Begin(std::string_view name, std::string_view creationDate,
               const TvePDFEncryptionSettings& settings);
    // Frees the handler (after the trailer is written).
    void End();

    bool Active() const { return handler_ != nullptr; }
    const TvePDFEncryption* Handler() const { return handler_.get(); }

    std::string EncryptString(std::string_view data, int objectNumber, int generation = 0) const;

    template <class ByteBuffer>
    void EncryptStream(ByteBuffer& stream, std::size_t count, int objectNumber,
                       int generation = 0) const {
        if (handler_) handler_->EncryptStreamData(stream, count, objectNumber, generation);
    }

    // Remembers the number the writer gave the encryption dictionary and
    // returns its body; empty when not active (then nothing is written).
    std::string EncryptionDictionary(int dictionaryNumber);
    // "/ID [...]/Encrypt n 0 R" once the dictionary has a number, else empty.
    std::string TrailerEntries() const;

private:
    std::unique_ptr<TvePDFEncryption> handler_;
    int dictionaryNumber_ = 0;
};

}  // namespace slidemint
