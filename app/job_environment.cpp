#include <cstdlib>

#include "app/conversion_job.hpp"
#include "platform/desktop_shell.hpp"
#include "platform/system_environment.hpp"

namespace slidemint {

JobEnvironment JobEnvironment::System() {
    JobEnvironment environment;
    const char* tmp = std::getenv("TMPDIR");
    environment.tempFolder = tmp && *tmp ? tmp : "/tmp";
    if (environment.tempFolder.back() != '/') environment.tempFolder += '/';
    environment.localTime = [] { return SystemEnvironment::current().now().toTm(); };
    environment.openDocument = [](const std::string& path) { DesktopShell::current().openDocument(path); };
    return environment;
}

}  // namespace slidemint
