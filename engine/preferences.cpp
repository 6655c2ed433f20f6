#include "engine/preferences.hpp"

#include "engine/custom_document_engine.hpp"
#include "engine/doc_settings.hpp"

namespace slidemint {

void TvePreferences::set(Member member, bool value) {
    if (owner_) {
        const bool oldValue = this->*member;
        for (TveCustomDocumentEngine* engine : owner_->LinkedEngines()) {
            TvePreferences& target = engine->Preferences();
            if (target.*member == oldValue) target.set(member, value);
        }
    }
    this->*member = value;
}

void TvePreferences::SetOpenAfterCreate(bool value) { set(&TvePreferences::openAfterCreate_, value); }
void TvePreferences::SetOutputToUserStream(bool value) { set(&TvePreferences::outputToUserStream_, value); }
void TvePreferences::SetProcessAfterEachPage(bool value) { set(&TvePreferences::processAfterEachPage_, value); }
void TvePreferences::SetShowSetupDialog(bool value) { set(&TvePreferences::showSetupDialog_, value); }

void TvePreferences::Assign(const TvePreferences& source) {
    if (this == &source) return;
    SetOpenAfterCreate(source.OpenAfterCreate());
    SetOutputToUserStream(source.OutputToUserStream());
    SetProcessAfterEachPage(source.ProcessAfterEachPage());
    SetShowSetupDialog(source.ShowSetupDialog());
    SetCalculateVariables(source.CalculateVariables());
}

}  // namespace slidemint
