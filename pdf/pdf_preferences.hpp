#pragma once

#include <cstdint>

#include "engine/preferences.hpp"

namespace slidemint {

// Whether TrueType fonts used by text are embedded in the PDF.
enum class TveTTFontEmbedding : std::uint8_t { etfNone, etfFull, etfSubset };

// Preferences of the PDF engine: the plain-sheet preferences plus the font
// embedding choice.
class TvePDFPreferences : public TvePlainSheetPreferences {
public:
    using TvePlainSheetPreferences::TvePlainSheetPreferences;

    TveTTFontEmbedding EmbedTrueTypeFonts = TveTTFontEmbedding::etfNone;
};

}  // namespace slidemint
