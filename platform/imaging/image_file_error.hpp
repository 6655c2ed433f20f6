#pragma once

#include "engine/engine_error.hpp"

#include <string>

namespace slidemint {

// An image file or buffer that cannot be read: the message names the source
// (a file name, or a description of an in-memory buffer) and the cause.
class EInvalidImageFile : public EngineError {
public:
    EInvalidImageFile(const std::string& source, const std::string& cause)
        : EngineError(source + ": " + cause), source_(source), cause_(cause) {}

    const std::string& source() const { return source_; }
    const std::string& cause() const { return cause_; }

private:
    std::string source_;
    std::string cause_;
};

}  // namespace slidemint
