#include "pdf/annotations/pdf_annot.hpp"

#include <array>

namespace slidemint {

const char* TextAnnotIconName(std::uint8_t icon) {
    static constexpr std::array<const char*, 7> kNames = {"Comment",      "Key",       "Note",  "Help",
                                                          "NewParagraph", "Paragraph", "Insert"};
    return icon < kNames.size() ? kNames[icon] : kNames[TvePDFTextAnnot::kNote];
}

}  // namespace slidemint
