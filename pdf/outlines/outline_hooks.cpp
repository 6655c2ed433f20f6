// The PDF writer's outline hooks: whether the catalog needs an outline
// root, and the tree written under it at the end of the document.
#include "pdf/custom_pdf_engine.hpp"
#include "pdf/outlines/outline_writer.hpp"
#include "pdf/pdf_format.hpp"

namespace slidemint {

namespace {

class EngineOutlineServices final : public TveOutlineServices {
public:
    explicit EngineOutlineServices(TveCustomPDFEngine& engine) : engine_(engine) {}

    int NewObjectNumber() override { return engine_.NewObjectNumber(); }
    void WriteObject(std::string_view body, int objectNumber) override {
        engine_.WriteObject(body, objectNumber, true);
    }
    std::string TextToPdfHex(std::u16string_view text, int objectNumber) override {
        return engine_.TextToPdfHex(text, objectNumber);
    }
    std::string EncryptString(std::string_view bytes, int objectNumber) override {
        return engine_.EncryptString(bytes, objectNumber);
    }
    std::optional<TveOutlinePageTarget> OutputPage(int pageNumber) const override {
        const TvePageInfo* page = engine_.OutputPageInfo(pageNumber);
        if (!page) return std::nullopt;
        return TveOutlinePageTarget{page->ObjectNumber, page->Height};
    }
    double PointsPerPixel() const override { return engine_.PointsPerPixel(); }

private:
    TveCustomPDFEngine& engine_;
};

}  // namespace

// When pages are output one at a time, the catalog is written with the
// first page, before later entries can have been added; the outline root is
// then reserved in any case, so that no entry is lost.
bool TveCustomPDFEngine::HasOutlineEntries() const {
    return !OutlineEntries().empty() || Preferences().ProcessAfterEachPage();
}

void TveCustomPDFEngine::WriteOutlines() {
    const int root = WriterState().outlinesObjectNumber;
    if (root <= 0) return;
    if (OutlineEntries().empty()) {
        WriteObject("/Count 0" + std::string(kCrLf), root, true);
        return;
    }
    EngineOutlineServices services(*this);
    TveOutlineWriter(OutlineEntries(), services).WriteOutlines(root);
}

}  // namespace slidemint
