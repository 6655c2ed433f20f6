#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "pdf/annotations/pdf_annot.hpp"

namespace slidemint {

// An accepted annotation and the object number it was given when added.
struct TveAnnotationEntry {
    int ObjectNumber = 0;
    std::unique_ptr<TvePDFTextAnnot> Annot;
};

// The document's annotations in the order they were added; the list owns
// them.
class TveAnnotationList {
public:
    void Add(int objectNumber, std::unique_ptr<TvePDFTextAnnot> annot);

    // " n 0 R" for every annotation of the page, in the order added.
    std::string PageReferences(int pageNumber) const;

    const std::vector<TveAnnotationEntry>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }

private:
    std::vector<TveAnnotationEntry> entries_;
    std::unordered_map<int, std::vector<int>> objectsByPage_;
};

}  // namespace slidemint
