#pragma once

#include <string>
#include <utility>

#include "engine/engine_error.hpp"

namespace slidemint {

// Base of every failure of a presentation renderer. The message names the
// presentation file (when there is one) and the cause: "<file>: <cause>".
class RendererError : public EngineError {
public:
    RendererError(std::string file, std::string cause)
        : EngineError(file.empty() ? cause : file + ": " + cause),
          file_(std::move(file)),
          cause_(std::move(cause)) {}

    const std::string& file() const { return file_; }
    const std::string& cause() const { return cause_; }

private:
    std::string file_;
    std::string cause_;
};

// The presentation program could not be started or reached.
class OfficeStartError : public RendererError {
public:
    OfficeStartError(std::string file, const std::string& cause)
        : RendererError(std::move(file), "cannot start the office suite: " + cause) {}
};

// The presentation file could not be opened (missing, encrypted, broken).
class PresentationOpenError : public RendererError {
public:
    PresentationOpenError(std::string file, const std::string& cause)
        : RendererError(std::move(file), "cannot open the presentation: " + cause) {}
};

// A call into the presentation program did not finish within its time limit.
// The program has been stopped; the next presentation starts a fresh one.
class RendererTimeoutError : public RendererError {
public:
    RendererTimeoutError(std::string file, const std::string& cause)
        : RendererError(std::move(file), "timed out " + cause) {}
};

// The presentation program ended while it was serving this file.
class OfficeDiedError : public RendererError {
public:
    OfficeDiedError(std::string file, const std::string& cause)
        : RendererError(std::move(file), "the office process died " + cause) {}
};

}  // namespace slidemint
