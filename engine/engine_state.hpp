#pragma once

#include "engine/drawing_state.hpp"
#include "engine/drawing_tools.hpp"
#include "engine/image_settings.hpp"
#include "engine/page_settings.hpp"

namespace slidemint {

// A saved copy of the engine's drawing settings (SaveEngineState).
struct TveEngineState {
    TFont Font;
    TPen Pen;
    TBrush Brush;
    TveImageSettings ImageSettings;
    TveTextFormatting TextFormatting;
    TveTableSettings TableSettings;
    TvePageSettings Page;
    TveTextEffects TextEffects;
};

}  // namespace slidemint
