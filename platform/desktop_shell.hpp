#pragma once

#include <functional>
#include <string>

namespace slidemint {

// The outward actions of the desktop that the engine asks for: opening a
// finished file with the user's default program and showing an error
// message box with an OK button. Each is a replaceable handler; a user
// interface installs its own message box, tests install recorders.
class DesktopShell {
public:
    using OpenDocumentHandler = std::function<void(const std::string& path)>;
    using ErrorMessageHandler = std::function<void(const std::string& text)>;

    static DesktopShell& current();

    // Opens the file with the default program ("Open" verb). The default
    // handler starts xdg-open detached and does not wait for it.
    void openDocument(const std::string& path) const;
    void setOpenDocumentHandler(OpenDocumentHandler handler);

    // Shows an error message box. The default handler writes the text to
    // standard error.
    void showErrorMessage(const std::string& text) const;
    void setErrorMessageHandler(ErrorMessageHandler handler);

    // Back to the default handlers.
    void reset();

private:
    DesktopShell();

    OpenDocumentHandler open_;
    ErrorMessageHandler error_;
};

}  // namespace slidemint
