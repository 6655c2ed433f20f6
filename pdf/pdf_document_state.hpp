#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pdf/pdf_object_writer.hpp"
#include "pdf/security/document_security.hpp"

namespace slidemint {

// One page that is output: its page dictionary's number and its size in
// points.
struct TvePageInfo {
    int ObjectNumber = 0;
    double Width = 0;
    double Height = 0;
};

// A pattern listed in the shared resources under /Pattern.
struct TvePDFPatternEntry {
    std::string Name;
    int ObjectNumber = 0;
};

// Everything the PDF writer keeps for the one document being written.
// Made when the document begins and dropped when it ends or fails.
struct TvePDFDocumentState {
    explicit TvePDFDocumentState(TvePDFObjectWriter::ByteOutput output)
        : writer(std::move(output), kFirstFreeObjectNumber) {}

    // Numbers 1 to 5 are the catalog, the page tree, the document
    // information, the ProcSet array and the shared resources.
    static constexpr int kCatalogObject = 1;
    static constexpr int kPagesObject = 2;
    static constexpr int kInfoObject = 3;
    static constexpr int kProcSetObject = 4;
    static constexpr int kResourcesObject = 5;
    static constexpr int kFirstFreeObjectNumber = 6;

    TvePDFObjectWriter writer;
    bool outputIsFile = false;
    bool catalogWritten = false;
    std::string creationDate;

    // Index = page number - 1; pages that are not output stay empty.
    std::vector<std::optional<TvePageInfo>> pageInfoList;
    std::size_t currentPageIndex = 0;  // of the page being output
    std::string pageContent;
    int contentObjectNumber = 0;
    int lengthObjectNumber = 0;
    std::string pageAnnotRefs;

    std::vector<TvePDFPatternEntry> patternList;
    int backgroundImageObject = -1;
    int outlinesObjectNumber = 0;

    TvePDFDocumentSecurity security;
};

}  // namespace slidemint
