#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace slidemint {

class PresentationRenderer;

// Makes a renderer with its own office process (started on first use).
using RendererFactory = std::function<std::unique_ptr<PresentationRenderer>()>;

// The office processes that serve consecutive conversions of one worker: a
// main application and, on request, helpers that render slides ahead. A job
// takes the application through Start and lets go of it through Quit; the
// processes stay up for the next job and end with Shutdown or the destructor.
// A process that died is started again by its renderer on the next open.
// Used by one thread at a time.
class OfficeApplication {
public:
    explicit OfficeApplication(RendererFactory factory);
    ~OfficeApplication();
    OfficeApplication(const OfficeApplication&) = delete;
    OfficeApplication& operator=(const OfficeApplication&) = delete;

    // The application object (its process starts on the first open).
    PresentationRenderer& Start();

    // count helper renderers beside the application, made when first asked for.
    std::vector<PresentationRenderer*> Helpers(int count);

    // Ends the job's use of the application; the processes stay up.
    void Quit();

    // Ends every office process now; the next open starts a new one.
    void Shutdown();

private:
    RendererFactory factory_;
    std::vector<std::unique_ptr<PresentationRenderer>> renderers_;  // [0]: the application
};

}  // namespace slidemint
