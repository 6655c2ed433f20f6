#include "app/renderer/libreoffice_slide.hpp"

#include <com/sun/star/drawing/GraphicExportFilter.hpp>
#include <com/sun/star/drawing/XShapeDescriptor.hpp>
#include <com/sun/star/presentation/XPresentationPage.hpp>
#include <com/sun/star/text/XText.hpp>

#include "app/renderer/file_url.hpp"
#include "app/renderer/renderer_error.hpp"
#include "app/renderer/uno_environment.hpp"

namespace slidemint {

namespace {

// The bitmap type whose writer honours the pixel size asked for.
constexpr char bitmapMediaType[] = "image/x-MS-bmp";

// Largest bitmap side accepted, as for any bitmap the program handles.
constexpr int maxBitmapSide = 1 << 16;

rtl::OUString shapeTypeOf(const css::uno::Reference<css::drawing::XShapeDescriptor>& shape) {
    // Marked deprecated in the type library, yet the one reliable name of a
    // presentation placeholder: notes shapes do not list their own service.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return shape->getShapeType();
#pragma GCC diagnostic pop
}

// The text of the first shape of the given type on the page; empty when the
// page has none.
std::u16string textOfShape(const css::uno::Reference<css::drawing::XDrawPage>& page, const char* shapeType) {
    rtl::OUString wanted = rtl::OUString::createFromAscii(shapeType);
    for (sal_Int32 i = 0, count = page->getCount(); i < count; ++i) {
        css::uno::Reference<css::drawing::XShapeDescriptor> shape(page->getByIndex(i), css::uno::UNO_QUERY);
        if (!shape.is() || shapeTypeOf(shape) != wanted) continue;
        css::uno::Reference<css::text::XText> text(shape, css::uno::UNO_QUERY);
        return text.is() ? toU16String(text->getString()) : std::u16string();
    }
    return {};
}

css::uno::Sequence<css::beans::PropertyValue> exportArguments(const std::filesystem::path& bitmapFile, int width,
                                                              int height) {
    auto filterData = makeProperties({makeProperty("PixelWidth", css::uno::Any(sal_Int32(width))),
                                      makeProperty("PixelHeight", css::uno::Any(sal_Int32(height)))});
    return makeProperties({makeProperty("URL", css::uno::Any(toOUString(fileUrlFromPath(bitmapFile)))),
            makeProperty("MediaType", css::uno::Any(rtl::OUString::createFromAscii(bitmapMediaType))),
            makeProperty("FilterData", css::uno::Any(filterData))});
}

}  // namespace

LibreOfficeSlide::LibreOfficeSlide(std::shared_ptr<OfficeSession> session, std::uint64_t run, std::string file,
                                   int number, css::uno::Reference<css::drawing::XDrawPage> page)
    : session_(std::move(session)), run_(run), file_(std::move(file)), number_(number), page_(std::move(page)) {}

void LibreOfficeSlide::exportBitmap(const std::filesystem::path& bitmapFile, int width, int height) {
    std::string what = "exporting slide " + std::to_string(number_);
    if (width < 1 || height < 1 || width > maxBitmapSide || height > maxBitmapSide) {
        throw RendererError(file_, what + ": a bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                                       " pixels cannot be made");
    }
    // A stale file must not pass for the slide when the office writes none.
    std::error_code ignored;
    std::filesystem::remove(bitmapFile, ignored);
    bool written = session_->callFor(file_, run_, what, [&] {
        auto filter = css::drawing::GraphicExportFilter::create(session_->remoteContext());
        filter->setSourceDocument(css::uno::Reference<css::lang::XComponent>(page_, css::uno::UNO_QUERY_THROW));
        return filter->filter(exportArguments(bitmapFile, width, height));
    });
    if (!written || !std::filesystem::is_regular_file(bitmapFile, ignored)) {
        throw RendererError(file_, what + ": the office suite wrote no bitmap to " + bitmapFile.string());
    }
}

std::u16string LibreOfficeSlide::title() {
    return session_->callFor(file_, run_, "reading the title of slide " + std::to_string(number_), [&] {
        return textOfShape(page_, "com.sun.star.presentation.TitleTextShape");
    });
}

std::u16string LibreOfficeSlide::notes() {
    return session_->callFor(file_, run_, "reading the notes of slide " + std::to_string(number_), [&] {
        auto notesPage = css::uno::Reference<css::presentation::XPresentationPage>(page_, css::uno::UNO_QUERY_THROW)
                             ->getNotesPage();
        return textOfShape(notesPage, "com.sun.star.presentation.NotesShape");
    });
}

}  // namespace slidemint
