#pragma once

#include <string>

namespace slidemint {

class TveDocSettings;

// Document information: five wide texts, empty by default. When owned by a
// shared settings component, each setter first passes the new value on to
// every linked engine whose value still equals the old one.
class TveDocInfo {
public:
    explicit TveDocInfo(TveDocSettings* owner = nullptr) : owner_(owner) {}
    TveDocInfo(const TveDocInfo&) = delete;
    TveDocInfo& operator=(const TveDocInfo&) = delete;

    const std::u16string& Author() const { return author_; }
    void SetAuthor(const std::u16string& value);
    const std::u16string& Subject() const { return subject_; }
    void SetSubject(const std::u16string& value);
    const std::u16string& Creator() const { return creator_; }
    void SetCreator(const std::u16string& value);
    const std::u16string& Title() const { return title_; }
    void SetTitle(const std::u16string& value);
    const std::u16string& Keywords() const { return keywords_; }
    void SetKeywords(const std::u16string& value);

    // Copies the five texts through the setters.
    void Assign(const TveDocInfo& source);

    TveDocSettings* Owner() const { return owner_; }

private:
    using Member = std::u16string TveDocInfo::*;
    void set(Member member, const std::u16string& value);

    std::u16string author_;
    std::u16string subject_;
    std::u16string creator_;
    std::u16string title_;
    std::u16string keywords_;
    TveDocSettings* owner_ = nullptr;
};

}  // namespace slidemint
