#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/custom_document_engine.hpp"

namespace slidemint {

// One outline (bookmark) entry. It jumps to a point of a page, or opens a
// URI when URL is not empty (PageNo is then 0).
struct TveTOCItem {
    std::u16string Title;
    int PageNo = 0;       // 1-based target page
    int ParentIndex = -1; // index of the parent entry, -1 for a top-level entry
    double Left = 0;      // destination, engine units from the page's top-left corner
    double Top = 0;
    std::string URL;
};

// The engine layer shared by page-oriented writers: publishes the file
// name, drawing tools, image settings, page, page border, document
// information and plain-sheet preferences, and collects the document's
// outline entries.
class TveCustomPlainsheetEngine : public TveCustomDocumentEngine {
public:
    // Start with an empty outline list; the list is dropped when the
    // document ends, whether it was written or failed.
    void BeginDoc() override;
    void EndDoc() override;

    // Appends an entry that jumps to `top` (engine units, stored as given) on
    // page `pageNo` and returns its index. Returns -1 and adds nothing when
    // no document is open, the parent is not -1 or an existing entry, or
    // the page is not one of the pages begun so far.
    virtual int AddOutlineEntry(const std::u16string& title, int parentIndex, int pageNo, double top);
    // Appends an entry that opens `url`; -1 under the same document and
    // parent conditions.
    virtual int AddOutlineLink(const std::u16string& title, int parentIndex, const std::string& url);
    // The entries in the order they were added; every parent index points
    // to an earlier entry.
    const std::vector<TveTOCItem>& OutlineEntries() const { return outlineEntries_; }

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

private:
    bool CanAddOutlineEntry(int parentIndex) const;
    int AppendOutlineEntry(TveTOCItem item);

    std::vector<TveTOCItem> outlineEntries_;
};

}  // namespace slidemint
