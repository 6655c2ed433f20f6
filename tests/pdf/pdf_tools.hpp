#pragma once

// Checks of written PDF files with tools this project did not write:
// qpdf --check for syntax and structure, pdfinfo for what a viewer sees.
// Tests call SkipUnless...() first; it skips with a clear message when the
// tool is not installed.

#include <gtest/gtest.h>

#include "tests/support/command_runner.hpp"

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace slidemint::pdf_tools {

using test_support::CommandResult;
using test_support::RunCommand;
using test_support::ShellQuote;

inline bool ToolAvailable(const std::string& tool) {
    return RunCommand("command -v " + tool + " >/dev/null").exitCode == 0;
}

#define SLIDEMINT_SKIP_UNLESS_TOOL(tool)                                              \
    do {                                                                              \
        if (!::slidemint::pdf_tools::ToolAvailable(tool))                             \
            GTEST_SKIP() << tool << " is not installed; install it to check PDFs";    \
    } while (0)

// qpdf --check: exit code 0 means no errors and no warnings.
inline ::testing::AssertionResult QpdfCheckPasses(const std::filesystem::path& file,
                                                  const std::string& password = "") {
    std::string command = "LC_ALL=C qpdf --check ";
    if (!password.empty()) command += "--password=" + ShellQuote(password) + " ";
    const CommandResult result = RunCommand(command + ShellQuote(file.string()));
    if (result.exitCode == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "qpdf --check " << file << " exited with "
                                         << result.exitCode << ":\n" << result.output;
}

struct PageSize {
    double width = 0;   // points
    double height = 0;  // points
};

struct PdfInfo {
    bool ok = false;
    int pages = 0;
    std::vector<PageSize> sizes;  // one per page, in order
    std::string raw;              // the whole pdfinfo output
};

// pdfinfo over every page of the file (opened with the user password when
// one is given).
inline PdfInfo ReadPdfInfo(const std::filesystem::path& file, const std::string& userPassword = "") {
    PdfInfo info;
    std::string command = "LC_ALL=C pdfinfo -f 1 -l 100000 ";
    if (!userPassword.empty()) command += "-upw " + ShellQuote(userPassword) + " ";
    const CommandResult result = RunCommand(command + ShellQuote(file.string()));
    info.raw = result.output;
    info.ok = result.exitCode == 0;
    std::size_t start = 0;
    while (start < result.output.size()) {
        std::size_t end = result.output.find('\n', start);
        if (end == std::string::npos) end = result.output.size();
        const std::string line = result.output.substr(start, end - start);
        int page = 0;
        double width = 0, height = 0;
        if (std::sscanf(line.c_str(), "Pages: %d", &page) == 1) info.pages = page;
        if (std::sscanf(line.c_str(), "Page %d size: %lf x %lf", &page, &width, &height) == 3)
            info.sizes.push_back({width, height});
        start = end + 1;
    }
    return info;
}

// The text pdfinfo prints for one key ("Producer", "CreationDate", ...).
inline std::string InfoValue(const PdfInfo& info, const std::string& key) {
    const std::string prefix = "\n" + key + ":";
    const std::size_t at = ("\n" + info.raw).find(prefix);
    if (at == std::string::npos) return {};
    std::size_t begin = at + prefix.size() - 1;
    const std::size_t end = info.raw.find('\n', begin);
    std::string value = info.raw.substr(begin, end - begin);
    value.erase(0, value.find_first_not_of(' '));
    return value;
}

}  // namespace slidemint::pdf_tools
