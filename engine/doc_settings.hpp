#pragma once

#include <cstdint>
#include <vector>

#include "engine/background_display.hpp"
#include "engine/color.hpp"
#include "engine/doc_info.hpp"
#include "engine/graphic.hpp"
#include "engine/page_settings.hpp"
#include "engine/preferences.hpp"
#include "engine/units.hpp"

namespace slidemint {

class TveCustomDocumentEngine;

// One set of document settings shared by several engines. Linking an engine
// (the engine's SetSettings) copies these values into it; afterwards every
// change made here flows on to each linked engine that still holds the
// previous value of the changed property.
class TveDocSettings {
public:
    TveDocSettings();
    // Clears the Settings reference of every linked engine.
    ~TveDocSettings();
    TveDocSettings(const TveDocSettings&) = delete;
    TveDocSettings& operator=(const TveDocSettings&) = delete;

    TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(TColor color);
    const TPicture& BackgroundImage() const { return backgroundImage_; }
    void SetBackgroundImage(const TPicture& picture);
    TveBackgroundDisplayType BackgroundImageDisplayType() const { return displayType_; }
    void SetBackgroundImageDisplayType(TveBackgroundDisplayType type);
    TveUnitType MeasurementUnit() const { return measurementUnit_; }
    // Also sets the unit factor of this component's own Page.
    void SetMeasurementUnit(TveUnitType unit);

    TveDocInfo& DocInfo() { return docInfo_; }
    const TveDocInfo& DocInfo() const { return docInfo_; }
    void SetDocInfo(const TveDocInfo& source) { docInfo_.Assign(source); }
    TvePageSettings& Page() { return page_; }
    const TvePageSettings& Page() const { return page_; }
    void SetPage(const TvePageSettings& source) { page_.Assign(source); }
    TvePreferences& Preferences() { return preferences_; }
    const TvePreferences& Preferences() const { return preferences_; }
    void SetPreferences(const TvePreferences& source) { preferences_.Assign(source); }

    // Engines linked to this component, in link order.
    const std::vector<TveCustomDocumentEngine*>& LinkedEngines() const { return linkedEngines_; }

    // Called by the engine's Settings setter and destructor; not for
    // direct use. Linking appends the engine and copies the values into it.
    void LinkEngine(TveCustomDocumentEngine& engine);
    void UnlinkEngine(TveCustomDocumentEngine& engine);

private:
    void copyInto(TveCustomDocumentEngine& engine) const;

    TColor backgroundColor_ = clWhite;
    TPicture backgroundImage_;
    TveBackgroundDisplayType displayType_ = dtCenter;
    TveUnitType measurementUnit_ = muPixels;
    TveDocInfo docInfo_{this};
    TvePageSettings page_{this};
    TvePreferences preferences_{this};
    std::vector<TveCustomDocumentEngine*> linkedEngines_;
};

}  // namespace slidemint
