#include "engine/doc_info.hpp"

#include "engine/custom_document_engine.hpp"
#include "engine/doc_settings.hpp"

namespace slidemint {

void TveDocInfo::set(Member member, const std::u16string& value) {
    if (owner_) {
        const std::u16string oldValue = this->*member;
        for (TveCustomDocumentEngine* engine : owner_->LinkedEngines()) {
            TveDocInfo& target = engine->DocInfo();
            if (target.*member == oldValue) target.set(member, value);
        }
    }
    this->*member = value;
}

void TveDocInfo::SetAuthor(const std::u16string& value) { set(&TveDocInfo::author_, value); }
void TveDocInfo::SetSubject(const std::u16string& value) { set(&TveDocInfo::subject_, value); }
void TveDocInfo::SetCreator(const std::u16string& value) { set(&TveDocInfo::creator_, value); }
void TveDocInfo::SetTitle(const std::u16string& value) { set(&TveDocInfo::title_, value); }
void TveDocInfo::SetKeywords(const std::u16string& value) { set(&TveDocInfo::keywords_, value); }

void TveDocInfo::Assign(const TveDocInfo& source) {
    if (this == &source) return;
    SetAuthor(source.Author());
    SetSubject(source.Subject());
    SetCreator(source.Creator());
    SetTitle(source.Title());
    SetKeywords(source.Keywords());
}

}  // namespace slidemint
