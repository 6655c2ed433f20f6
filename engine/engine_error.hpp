#pragma once

#include <stdexcept>
#include <string>

namespace slidemint {

// The one base of every error the document engine and its writers raise.
// Each concrete class carries the user-visible message of its failure.
class EngineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EUnsupportedGraphics : public EngineError {
public:
    EUnsupportedGraphics() : EngineError("Unknown Graphics format") {}
};

class EInvalidPageNumber : public EngineError {
public:
    EInvalidPageNumber() : EngineError("Invalid Page Number") {}
};

class EInvalidEngineState : public EngineError {
public:
    EInvalidEngineState() : EngineError("Not a valid Engine State identifier") {}
};

class EFileCreateError : public EngineError {
public:
    EFileCreateError()
        : EngineError("File could not be created!\r\n\r\nPossible cause: It could be in use by some other application") {}
};

class ECompressionError : public EngineError {
public:
    using EngineError::EngineError;
};

}  // namespace slidemint
