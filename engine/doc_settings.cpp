#include "engine/doc_settings.hpp"

#include <algorithm>

#include "engine/custom_document_engine.hpp"

namespace slidemint {

TveDocSettings::TveDocSettings() { page_.SetUnitFactor(UnitFactor(measurementUnit_)); }

TveDocSettings::~TveDocSettings() {
    const std::vector<TveCustomDocumentEngine*> engines = linkedEngines_;
    for (TveCustomDocumentEngine* engine : engines) engine->SetSettings(nullptr);
}

void TveDocSettings::SetBackgroundColor(TColor color) {
    for (TveCustomDocumentEngine* engine : linkedEngines_)
        if (engine->BackgroundColor() == backgroundColor_) engine->SetBackgroundColor(color);
    backgroundColor_ = color;
}

void TveDocSettings::SetBackgroundImage(const TPicture& picture) {
    for (TveCustomDocumentEngine* engine : linkedEngines_) engine->SetBackgroundImage(picture);
    backgroundImage_.Assign(picture);
}

void TveDocSettings::SetBackgroundImageDisplayType(TveBackgroundDisplayType type) {
    for (TveCustomDocumentEngine* engine : linkedEngines_)
        if (engine->BackgroundImageDisplayType() == displayType_) engine->SetBackgroundImageDisplayType(type);
    displayType_ = type;
}

void TveDocSettings::SetMeasurementUnit(TveUnitType unit) {
    for (TveCustomDocumentEngine* engine : linkedEngines_)
        if (engine->MeasurementUnit() == measurementUnit_) engine->SetMeasurementUnit(unit);
    measurementUnit_ = unit;
    page_.SetUnitFactor(UnitFactor(unit));
}

void TveDocSettings::LinkEngine(TveCustomDocumentEngine& engine) {
    if (std::find(linkedEngines_.begin(), linkedEngines_.end(), &engine) == linkedEngines_.end())
        linkedEngines_.push_back(&engine);
    copyInto(engine);
}

void TveDocSettings::UnlinkEngine(TveCustomDocumentEngine& engine) {
    std::erase(linkedEngines_, &engine);
}

void TveDocSettings::copyInto(TveCustomDocumentEngine& engine) const {
    engine.SetBackgroundColor(backgroundColor_);
    engine.SetBackgroundImage(backgroundImage_);
    engine.SetBackgroundImageDisplayType(displayType_);
    engine.DocInfo().Assign(docInfo_);
    engine.Page().Assign(page_);
    engine.Preferences().Assign(preferences_);
    engine.SetMeasurementUnit(measurementUnit_);
}

}  // namespace slidemint
