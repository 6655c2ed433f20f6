#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <com/sun/star/lang/XComponent.hpp>

#include "app/renderer/office_session.hpp"
#include "app/renderer/presentation_renderer.hpp"

namespace slidemint {

// An Impress document opened in the session's office.
class LibreOfficePresentation : public Presentation {
public:
    LibreOfficePresentation(std::shared_ptr<OfficeSession> session, std::uint64_t run, std::string file,
                            css::uno::Reference<css::lang::XComponent> document);
    ~LibreOfficePresentation() override;

    int slideCount() override;
    SlideSize slideSize() override;
    std::unique_ptr<Slide> slide(int number) override;
    void close() override;

private:
    std::shared_ptr<OfficeSession> session_;
    std::uint64_t run_;
    std::string file_;
    css::uno::Reference<css::lang::XComponent> document_;
};

// Loads file into the session's office (read-only, hidden, macros off, every
// question refused) and checks that it is a presentation.
std::unique_ptr<Presentation> openPresentation(const std::shared_ptr<OfficeSession>& session,
                                               const std::filesystem::path& file);

}  // namespace slidemint
