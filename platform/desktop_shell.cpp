#include "platform/desktop_shell.hpp"

#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace slidemint {
namespace {

// Starts xdg-open on the path in a grandchild process, so that nothing is
// left to wait for.
void openWithDefaultProgram(const std::string& path) {
    pid_t child = fork();
    if (child < 0) return;
    if (child == 0) {
        if (fork() == 0) {
            execlp("xdg-open", "xdg-open", path.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

void writeToStandardError(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

}  // namespace

DesktopShell::DesktopShell() { reset(); }

DesktopShell& DesktopShell::current() {
    static DesktopShell shell;
    return shell;
}

void DesktopShell::openDocument(const std::string& path) const { open_(path); }

void DesktopShell::setOpenDocumentHandler(OpenDocumentHandler handler) {
    open_ = handler ? std::move(handler) : openWithDefaultProgram;
}

void DesktopShell::showErrorMessage(const std::string& text) const { error_(text); }

void DesktopShell::setErrorMessageHandler(ErrorMessageHandler handler) {
    error_ = handler ? std::move(handler) : writeToStandardError;
}

void DesktopShell::reset() {
    open_ = openWithDefaultProgram;
    error_ = writeToStandardError;
}

}  // namespace slidemint
