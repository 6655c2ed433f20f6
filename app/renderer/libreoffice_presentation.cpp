#include "app/renderer/libreoffice_presentation.hpp"

#include <cmath>

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/document/UpdateDocMode.hpp>
#include <com/sun/star/drawing/XDrawPagesSupplier.hpp>
#include <com/sun/star/drawing/XMasterPagesSupplier.hpp>
#include <com/sun/star/io/IOException.hpp>
#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/util/XCloseable.hpp>

#include "app/renderer/file_url.hpp"
#include "app/renderer/libreoffice_slide.hpp"
#include "app/renderer/refusing_interaction_handler.hpp"
#include "app/renderer/renderer_error.hpp"
#include "app/renderer/uno_environment.hpp"

namespace slidemint {

namespace {

// The office measures pages in 1/100 mm.
double pointsFromHundredthsOfMillimetre(sal_Int32 value) { return value * 72.0 / 2540.0; }

css::uno::Sequence<css::beans::PropertyValue> loadArguments() {
    css::uno::Reference<css::task::XInteractionHandler> refuser(new RefusingInteractionHandler);
    return makeProperties({makeProperty("Hidden", css::uno::Any(true)),
            makeProperty("ReadOnly", css::uno::Any(true)),
            makeProperty("MacroExecutionMode", css::uno::Any(css::document::MacroExecMode::NEVER_EXECUTE)),
            makeProperty("UpdateDocMode", css::uno::Any(css::document::UpdateDocMode::NO_UPDATE)),
            makeProperty("InteractionHandler", css::uno::Any(refuser))});
}

bool isPresentation(const css::uno::Reference<css::lang::XComponent>& document) {
    css::uno::Reference<css::lang::XServiceInfo> info(document, css::uno::UNO_QUERY);
    return info.is() && info->supportsService("com.sun.star.presentation.PresentationDocument");
}

void closeDocument(const css::uno::Reference<css::lang::XComponent>& document) {
    css::uno::Reference<css::util::XCloseable> closeable(document, css::uno::UNO_QUERY);
    if (closeable.is()) {
        closeable->close(true);
    } else {
        document->dispose();
    }
}

// Loads the document; a null result means the office refused it.
css::uno::Reference<css::lang::XComponent> loadDocument(OfficeSession& session, const std::filesystem::path& file) {
    try {
        return session.desktop()->loadComponentFromURL(toOUString(fileUrlFromPath(file)), "_blank", 0,
                                                       loadArguments());
    } catch (const css::lang::IllegalArgumentException& e) {
        throw PresentationOpenError(file.string(), "the office suite cannot read it (" + toUtf8(e.Message) + ")");
    } catch (const css::io::IOException& e) {
        throw PresentationOpenError(file.string(), "the office suite cannot read it (" + toUtf8(e.Message) + ")");
    }
}

css::uno::Reference<css::drawing::XDrawPages> drawPages(const css::uno::Reference<css::lang::XComponent>& document) {
    return css::uno::Reference<css::drawing::XDrawPagesSupplier>(document, css::uno::UNO_QUERY_THROW)->getDrawPages();
}

// The first slide's page, or the first master page of a deck without slides.
css::uno::Reference<css::beans::XPropertySet> sizingPage(const css::uno::Reference<css::lang::XComponent>& document) {
    auto pages = drawPages(document);
    if (pages->getCount() > 0) return {pages->getByIndex(0), css::uno::UNO_QUERY_THROW};
    auto masters = css::uno::Reference<css::drawing::XMasterPagesSupplier>(document, css::uno::UNO_QUERY_THROW)
                       ->getMasterPages();
    return {masters->getByIndex(0), css::uno::UNO_QUERY_THROW};
}

}  // namespace

std::unique_ptr<Presentation> openPresentation(const std::shared_ptr<OfficeSession>& session,
                                               const std::filesystem::path& file) {
    std::string name = file.string();
    std::error_code error;
    if (!std::filesystem::exists(file, error)) throw PresentationOpenError(name, "the file does not exist");
    if (!std::filesystem::is_regular_file(file, error)) throw PresentationOpenError(name, "it is not a file");
    std::uint64_t run = session->ensureRunning(name);
    auto document = session->callFor(name, run, "opening it", [&] {
        auto loaded = loadDocument(*session, file);
        if (loaded.is() && !isPresentation(loaded)) {
            closeDocument(loaded);
            throw PresentationOpenError(name, "it is not a presentation");
        }
        return loaded;
    });
    if (!document.is()) {
        throw PresentationOpenError(name, "the office suite refused it (it is encrypted or damaged)");
    }
    return std::make_unique<LibreOfficePresentation>(session, run, name, document);
}

LibreOfficePresentation::LibreOfficePresentation(std::shared_ptr<OfficeSession> session, std::uint64_t run,
                                                 std::string file,
                                                 css::uno::Reference<css::lang::XComponent> document)
    : session_(std::move(session)), run_(run), file_(std::move(file)), document_(std::move(document)) {}

LibreOfficePresentation::~LibreOfficePresentation() {
    try {
        close();
    } catch (const std::exception&) {
        // Nothing more to do for a presentation whose office is gone.
    }
}

int LibreOfficePresentation::slideCount() {
    return session_->callFor(file_, run_, "counting its slides", [&] { return drawPages(document_)->getCount(); });
}

SlideSize LibreOfficePresentation::slideSize() {
    return session_->callFor(file_, run_, "reading its slide size", [&] {
        auto page = sizingPage(document_);
        return SlideSize{pointsFromHundredthsOfMillimetre(page->getPropertyValue("Width").get<sal_Int32>()),
                         pointsFromHundredthsOfMillimetre(page->getPropertyValue("Height").get<sal_Int32>())};
    });
}

std::unique_ptr<Slide> LibreOfficePresentation::slide(int number) {
    auto page = session_->callFor(file_, run_, "looking up slide " + std::to_string(number), [&] {
        auto pages = drawPages(document_);
        if (number < 1 || number > pages->getCount()) {
            throw RendererError(file_, "there is no slide " + std::to_string(number) + " (it has " +
                                           std::to_string(pages->getCount()) + ")");
        }
        return css::uno::Reference<css::drawing::XDrawPage>(pages->getByIndex(number - 1), css::uno::UNO_QUERY_THROW);
    });
    return std::make_unique<LibreOfficeSlide>(session_, run_, file_, number, page);
}

void LibreOfficePresentation::close() {
    if (!document_.is()) return;
    auto document = document_;
    document_.clear();
    if (!session_->isCurrent(run_)) return;
    session_->call(file_, run_, "closing it", [&] { closeDocument(document); });
}

}  // namespace slidemint
