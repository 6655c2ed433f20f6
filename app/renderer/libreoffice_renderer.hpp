#pragma once

#include <chrono>
#include <filesystem>
#include <memory>

#include <sys/types.h>

#include "app/renderer/presentation_renderer.hpp"

namespace slidemint {

class OfficeSession;

struct LibreOfficeOptions {
    // The office program to start; by default soffice.bin of the office
    // installation the renderer was built against.
    std::filesystem::path officeProgram = defaultOfficeProgram();

    // Limit of every single call into the office: one open (and the start of
    // the office before it), one slide export, one count or text read.
    std::chrono::milliseconds timeLimit = std::chrono::seconds(60);

    static std::filesystem::path defaultOfficeProgram();
};

// Renders presentations with a headless LibreOffice Impress of its own,
// reached through UNO over a pipe.
//
// The office starts on the first open, in its own process group with its own
// profile, and keeps running for the next files until quit(). Every call into
// it runs on the session's worker thread under the time limit; a call that
// overruns ends the office process group and raises RendererTimeoutError. An
// office that died (or was ended that way) is started afresh on the next
// open. Destroying the renderer quits the office.
class LibreOfficeRenderer : public PresentationRenderer {
public:
    explicit LibreOfficeRenderer(LibreOfficeOptions options = {});
    ~LibreOfficeRenderer() override;

    LibreOfficeRenderer(const LibreOfficeRenderer&) = delete;
    LibreOfficeRenderer& operator=(const LibreOfficeRenderer&) = delete;

    std::unique_ptr<Presentation> open(const std::filesystem::path& file) override;
    void quit() override;

    std::chrono::milliseconds timeLimit() const;
    void setTimeLimit(std::chrono::milliseconds limit);

    // The process group of the running office; 0 when none runs.
    pid_t officeProcessGroup() const;

private:
    std::shared_ptr<OfficeSession> session_;
};

}  // namespace slidemint
