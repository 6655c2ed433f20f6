#pragma once

namespace slidemint {

class TveDocSettings;

// Document-wide switches of an engine. Each engine class makes the
// preferences class that suits it (see the engine constructors). When
// owned by a shared settings component, the setters (except
// CalculateVariables) first pass the new value on to every linked engine
// whose value still equals the old one.
class TvePreferences {
public:
    explicit TvePreferences(TveDocSettings* owner = nullptr) : owner_(owner) {}
    virtual ~TvePreferences() = default;
    TvePreferences(const TvePreferences&) = delete;
    TvePreferences& operator=(const TvePreferences&) = delete;

    bool OpenAfterCreate() const { return openAfterCreate_; }
    void SetOpenAfterCreate(bool value);
    bool OutputToUserStream() const { return outputToUserStream_; }
    void SetOutputToUserStream(bool value);
    bool ProcessAfterEachPage() const { return processAfterEachPage_; }
    void SetProcessAfterEachPage(bool value);
    bool ShowSetupDialog() const { return showSetupDialog_; }
    void SetShowSetupDialog(bool value);
    bool CalculateVariables() const { return calculateVariables_; }
    void SetCalculateVariables(bool value) { calculateVariables_ = value; }

    // Copies the five flags above through the setters; the flags that
    // descendants add are never copied.
    virtual void Assign(const TvePreferences& source);

    TveDocSettings* Owner() const { return owner_; }

private:
    using Member = bool TvePreferences::*;
    void set(Member member, bool value);

    bool openAfterCreate_ = true;
    bool outputToUserStream_ = false;
    bool processAfterEachPage_ = false;
    bool showSetupDialog_ = true;
    bool calculateVariables_ = true;
    TveDocSettings* owner_ = nullptr;
};

// Preferences of plain-sheet engines: adds ActiveHyperLinks.
class TvePlainSheetPreferences : public TvePreferences {
public:
    using TvePreferences::TvePreferences;

    bool ActiveHyperLinks = true;
};

}  // namespace slidemint
