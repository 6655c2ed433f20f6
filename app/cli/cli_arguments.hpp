#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/conversion_options.hpp"

namespace slidemint {

// What the command line asked for.
struct CliArguments {
    enum class Command { Convert, Watch, None };
    Command command = Command::None;
    ConversionOptions options;
    std::string outputDir;            // empty: the default export folder
    int jobs = 1;                     // files at once
    int renderAhead = -1;             // extra office processes per file; -1: chosen by the run
    double timeoutSeconds = 60;       // per office call
    std::vector<std::string> inputs;  // files and folders (convert) or the folder (watch)
};

// The result of parsing: arguments to run, or text to print and an exit code
// (help and version give 0, a usage error 2).
struct ParseResult {
    std::optional<CliArguments> arguments;
    std::string output;
    int exitCode = 0;
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);

// The quality index of a --quality word, or nothing for an unknown word.
std::optional<int> QualityIndexOf(const std::string& word);

}  // namespace slidemint
