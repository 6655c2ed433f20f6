#pragma once

#include <functional>
#include <memory>
#include <mutex>

namespace slidemint {

class PresentationRenderer;

// Makes a renderer with its own office process (not started yet).
using RendererFactory = std::function<std::unique_ptr<PresentationRenderer>()>;

// One office process that serves consecutive conversions. A job starts the
// application through Start and lets go of it through Quit; the process
// itself stays up for the next job and ends with Shutdown or the session.
// A process that died is started again by the renderer on its next use.
class OfficeSession {
public:
    explicit OfficeSession(RendererFactory factory);
    ~OfficeSession();
    OfficeSession(const OfficeSession&) = delete;
    OfficeSession& operator=(const OfficeSession&) = delete;

    // The running application; starts it when needed. Throws the renderer's
    // error when the office suite cannot be started.
    PresentationRenderer& Start();

    // Ends the job's use of the application (the presentation is closed by
    // the job before). Keeps the process for the next job.
    void Quit();

    // Ends the office process now; the next Start makes a new one.
    void Shutdown();

private:
    RendererFactory factory_;
    std::unique_ptr<PresentationRenderer> renderer_;
};

}  // namespace slidemint
