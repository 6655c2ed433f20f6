#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <com/sun/star/drawing/XDrawPage.hpp>

#include "app/renderer/office_session.hpp"
#include "app/renderer/presentation_renderer.hpp"

namespace slidemint {

// One page of an Impress document.
class LibreOfficeSlide : public Slide {
public:
    LibreOfficeSlide(std::shared_ptr<OfficeSession> session, std::uint64_t run, std::string file, int number,
                     css::uno::Reference<css::drawing::XDrawPage> page);

    void exportBitmap(const std::filesystem::path& bitmapFile, int width, int height) override;
    std::u16string title() override;
    std::u16string notes() override;

private:
    std::shared_ptr<OfficeSession> session_;
    std::uint64_t run_;
    std::string file_;
    int number_;
    css::uno::Reference<css::drawing::XDrawPage> page_;
};

}  // namespace slidemint
