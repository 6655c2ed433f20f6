#include "app/renderer/libreoffice_renderer.hpp"

#include "app/renderer/libreoffice_presentation.hpp"
#include "app/renderer/office_session.hpp"

#ifndef SLIDEMINT_OFFICE_PROGRAM_DIR
#define SLIDEMINT_OFFICE_PROGRAM_DIR "/usr/lib/libreoffice/program"
#endif

namespace slidemint {

std::filesystem::path LibreOfficeOptions::defaultOfficeProgram() {
    return std::filesystem::path(SLIDEMINT_OFFICE_PROGRAM_DIR) / "soffice.bin";
}

LibreOfficeRenderer::LibreOfficeRenderer(LibreOfficeOptions options)
    : session_(std::make_shared<OfficeSession>(std::move(options.officeProgram), options.timeLimit)) {}

LibreOfficeRenderer::~LibreOfficeRenderer() { quit(); }

std::unique_ptr<Presentation> LibreOfficeRenderer::open(const std::filesystem::path& file) {
    return openPresentation(session_, file);
}

void LibreOfficeRenderer::quit() { session_->stop(); }

std::chrono::milliseconds LibreOfficeRenderer::timeLimit() const { return session_->timeLimit(); }

void LibreOfficeRenderer::setTimeLimit(std::chrono::milliseconds limit) { session_->setTimeLimit(limit); }

pid_t LibreOfficeRenderer::officeProcessGroup() const { return session_->processGroup(); }

}  // namespace slidemint
