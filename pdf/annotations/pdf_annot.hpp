#pragma once

#include <cstdint>
#include <string>

#include "engine/color.hpp"
#include "engine/geometry.hpp"

namespace slidemint {

// An annotation of a PDF page.
struct TvePDFAnnot {
    // Given in the engine's measurement unit relative to the drawing area;
    // once added, in engine units relative to the page's top-left corner.
    TveRect Rect;
    TColor Color = clBlack;
    std::u16string Contents;
    std::u16string Title;    // caption of the pop-up
    std::u16string Subject;
    int PageNo = 0;          // set when the annotation is added
};

// A text annotation: a note icon that opens a pop-up with Contents.
struct TvePDFTextAnnot : TvePDFAnnot {
    static constexpr std::uint8_t kComment = 0;
    static constexpr std::uint8_t kKey = 1;
    static constexpr std::uint8_t kNote = 2;
    static constexpr std::uint8_t kHelp = 3;
    static constexpr std::uint8_t kNewParagraph = 4;
    static constexpr std::uint8_t kParagraph = 5;
    static constexpr std::uint8_t kInsert = 6;

    std::uint8_t Icon = kNote;  // 0..6
    bool Open = false;          // pop-up open when the page is shown
};

// The PDF name of a text-annotation icon: 0 "Comment", 1 "Key", 2 "Note",
// 3 "Help", 4 "NewParagraph", 5 "Paragraph", 6 "Insert". A value beyond 6
// gives "Note", the default icon.
const char* TextAnnotIconName(std::uint8_t icon);

}  // namespace slidemint
