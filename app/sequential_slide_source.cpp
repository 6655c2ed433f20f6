#include <chrono>
#include <filesystem>
#include <system_error>

#include "app/conversion_job.hpp"
#include "app/renderer/presentation_renderer.hpp"
#include "app/slide_source.hpp"
#include "app/slide_text.hpp"
#include "platform/imaging/bmp_codec.hpp"

namespace slidemint {

RenderedSlide RenderSlide(Presentation& presentation, int number, const SlideRequest& request) {
    const std::string bitmapPath = SlideBitmapPath(request.workFolder, number);
    std::unique_ptr<Slide> slide = presentation.slide(number);
    slide->exportBitmap(bitmapPath, request.size.width, request.size.height);
    RenderedSlide rendered;
    const auto loadStart = std::chrono::steady_clock::now();
    try {
        rendered.bitmap = readBmpFile(bitmapPath);
        rendered.loadSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - loadStart).count();
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(bitmapPath, ignored);
        throw;
    }
    std::error_code ignored;
    std::filesystem::remove(bitmapPath, ignored);  // the page keeps its own copy
    if (request.withNotes) rendered.notes = ReadSlideNotes(*slide);
    if (request.withTitle) rendered.title = ReadSlideTitle(*slide);
    return rendered;
}

namespace {

class SequentialSlideSource : public SlideSource {
public:
    SequentialSlideSource(Presentation& presentation, SlideRequest request)
        : presentation_(presentation), request_(std::move(request)) {}

    RenderedSlide Next(int number) override { return RenderSlide(presentation_, number, request_); }

private:
    Presentation& presentation_;
    SlideRequest request_;
};

}  // namespace

std::unique_ptr<SlideSource> MakeSequentialSource(Presentation& presentation, SlideRequest request) {
    return std::make_unique<SequentialSlideSource>(presentation, std::move(request));
}

}  // namespace slidemint
