#pragma once

#include <memory>
#include <string>

#include "engine/custom_document_engine.hpp"

namespace slidemint {

// The engine layer shared by page-oriented writers: publishes the file
// name, drawing tools, image settings, page, page border, document
// information and plain-sheet preferences.
class TveCustomPlainsheetEngine : public TveCustomDocumentEngine {
public:
    // Output name without extension (the writer adds "." + FileExtension).
    const std::string& FileName() const { return FileNameValue(); }
    // Stores the name with its extension removed; ignored while a document
    // is open.
    void SetFileName(const std::string& name) { SetFileNameValue(name); }

    TvePlainSheetPreferences& Preferences() {
        return static_cast<TvePlainSheetPreferences&>(TveCustomDocumentEngine::Preferences());
    }
    const TvePlainSheetPreferences& Preferences() const {
        return static_cast<const TvePlainSheetPreferences&>(TveCustomDocumentEngine::Preferences());
    }

protected:
    // Writers pass their own preferences class, derived from
    // TvePlainSheetPreferences.
    explicit TveCustomPlainsheetEngine(
        std::unique_ptr<TvePlainSheetPreferences> preferences = std::make_unique<TvePlainSheetPreferences>())
        : TveCustomDocumentEngine(std::move(preferences)) {}
};

}  // namespace slidemint
