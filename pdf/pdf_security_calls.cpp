// The PDF writer's calls into the document's security handler.
#include "pdf/custom_pdf_engine.hpp"

namespace slidemint {

std::string TveCustomPDFEngine::EncryptString(std::string_view data, int objectNumber,
                                              int generation) {
    if (!state_) return std::string(data);
    return state_->security.EncryptString(data, objectNumber, generation);
}

void TveCustomPDFEngine::EncryptStream(std::string& stream, std::size_t count, int objectNumber,
                                       int generation) {
    if (state_) state_->security.EncryptStream(stream, count, objectNumber, generation);
}

void TveCustomPDFEngine::WriteEncryptionDictionary() {
    TvePDFDocumentState& state = WriterState();
    if (!state.security.Active()) return;
    const int number = NewObjectNumber();
    WriteObject(state.security.EncryptionDictionary(number), number, true);
}

}  // namespace slidemint
