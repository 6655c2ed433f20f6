#pragma once

// Runs outside tools (qpdf, pdfinfo, the command line under test) from
// tests and collects what they print.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace slidemint::test_support {

struct CommandResult {
    int exitCode = -1;
    std::string output;  // standard output and standard error together
};

// One shell word, whatever the text holds.
inline std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') quoted += "'\\''";
        else quoted += c;
    }
    return quoted + "'";
}

inline CommandResult RunCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer{};
    std::size_t count = 0;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), count);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace slidemint::test_support
