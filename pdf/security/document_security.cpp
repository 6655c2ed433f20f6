#include "pdf/security/document_security.hpp"

#include "pdf/security/encryption_dictionary.hpp"

namespace slidemint {

void TvePDFDocumentSecurity::Begin(std::string_view name, std::string_view creationDate,
                                   const TvePDFEncryptionSettings& settings) {
    dictionaryNumber_ = 0;
    handler_.reset();
    if (settings.Enabled) handler_ = std::make_unique<TvePDFEncryption>(name, creationDate, settings);
}

void TvePDFDocumentSecurity::End() {
    handler_.reset();
    dictionaryNumber_ = 0;
}

std::string TvePDFDocumentSecurity::EncryptString(std::string_view data, int objectNumber,
                                                  int generation) const {
    if (!handler_) return std::string(data);
    return handler_->EncryptString(data, objectNumber, generation);
}

std::string TvePDFDocumentSecurity::EncryptionDictionary(int dictionaryNumber) {
    if (!handler_) return {};
    dictionaryNumber_ = dictionaryNumber;
    return EncryptionDictionaryBody(*handler_);
}

std::string TvePDFDocumentSecurity::TrailerEntries() const {
    if (!handler_ || dictionaryNumber_ <= 0) return {};
    return EncryptionTrailerEntries(*handler_, dictionaryNumber_);
}

}  // namespace slidemint
