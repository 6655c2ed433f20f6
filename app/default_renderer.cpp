#include "app/export_run.hpp"
#include "app/renderer/libreoffice_renderer.hpp"

namespace slidemint {

RendererFactory DefaultRendererFactory(std::chrono::milliseconds timeout) {
    return [timeout]() -> std::unique_ptr<PresentationRenderer> {
        LibreOfficeOptions options;
        options.timeLimit = timeout;
        return std::make_unique<LibreOfficeRenderer>(options);
    };
}

}  // namespace slidemint
