#include "pdf/annotations/annotation_list.hpp"

#include "pdf/pdf_format.hpp"

namespace slidemint {

void TveAnnotationList::Add(int objectNumber, std::unique_ptr<TvePDFTextAnnot> annot) {
    objectsByPage_[annot->PageNo].push_back(objectNumber);
    entries_.push_back({objectNumber, std::move(annot)});
}

std::string TveAnnotationList::PageReferences(int pageNumber) const {
    const auto page = objectsByPage_.find(pageNumber);
    if (page == objectsByPage_.end()) return {};
    std::string references;
    for (int object : page->second) {
        references += ' ';
        references += ObjectRef(object);
    }
    return references;
}

}  // namespace slidemint
