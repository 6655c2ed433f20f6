#include "app/office_application.hpp"

#include "app/renderer/presentation_renderer.hpp"

namespace slidemint {

OfficeApplication::OfficeApplication(RendererFactory factory) : factory_(std::move(factory)) {}

OfficeApplication::~OfficeApplication() { Shutdown(); }

PresentationRenderer& OfficeApplication::Start() {
    if (renderers_.empty()) renderers_.push_back(factory_());
    return *renderers_.front();
}

std::vector<PresentationRenderer*> OfficeApplication::Helpers(int count) {
    Start();
    while (static_cast<int>(renderers_.size()) < count + 1) renderers_.push_back(factory_());
    std::vector<PresentationRenderer*> helpers;
    for (int k = 1; k <= count; ++k) helpers.push_back(renderers_[static_cast<std::size_t>(k)].get());
    return helpers;
}

void OfficeApplication::Quit() {
    // The application is released here; its process is kept so that the
    // next job does not pay for a new start.
}

void OfficeApplication::Shutdown() {
    for (auto& renderer : renderers_) renderer->quit();
}

}  // namespace slidemint
