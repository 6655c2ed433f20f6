#include "engine/plainsheet_engine.hpp"

namespace slidemint {

void TveCustomPlainsheetEngine::BeginDoc() {
    if (!DocumentOpen()) outlineEntries_.clear();
    TveCustomDocumentEngine::BeginDoc();
}

void TveCustomPlainsheetEngine::EndDoc() {
    try {
        TveCustomDocumentEngine::EndDoc();
    } catch (...) {
        if (!DocumentOpen()) outlineEntries_.clear();
        throw;
    }
    if (!DocumentOpen()) outlineEntries_.clear();
}

bool TveCustomPlainsheetEngine::CanAddOutlineEntry(int parentIndex) const {
    return DocumentOpen() && parentIndex >= -1 &&
           parentIndex < static_cast<int>(outlineEntries_.size());
}

int TveCustomPlainsheetEngine::AppendOutlineEntry(TveTOCItem item) {
    outlineEntries_.push_back(std::move(item));
    return static_cast<int>(outlineEntries_.size()) - 1;
}

int TveCustomPlainsheetEngine::AddOutlineEntry(const std::u16string& title, int parentIndex,
                                               int pageNo, double top) {
    if (!CanAddOutlineEntry(parentIndex) || pageNo < 1 || pageNo > PageCount()) return -1;
    return AppendOutlineEntry({title, pageNo, parentIndex, 0, top, {}});
}

int TveCustomPlainsheetEngine::AddOutlineLink(const std::u16string& title, int parentIndex,
                                              const std::string& url) {
    if (!CanAddOutlineEntry(parentIndex)) return -1;
    return AppendOutlineEntry({title, 0, parentIndex, 0, 0, url});
}

}  // namespace slidemint
