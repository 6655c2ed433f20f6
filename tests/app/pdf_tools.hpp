#pragma once

#include <string>

#include "tests/support/command_runner.hpp"

namespace slidemint::testing {

// Output of a shell command (stdout and stderr).
inline std::string RunCommand(const std::string& command) { return test_support::RunCommand(command).output; }

inline std::string Quoted(const std::string& path) { return test_support::ShellQuote(path); }

// pdfinfo's report, with a password when one is needed.
inline std::string PdfInfo(const std::string& pdf, const std::string& password = "") {
    return RunCommand("pdfinfo " + (password.empty() ? "" : "-upw " + Quoted(password) + " ") + Quoted(pdf));
}

// The file's objects as text: streams uncompressed, no object streams.
inline std::string PdfAsText(const std::string& pdf, const std::string& password = "") {
    return RunCommand("qpdf --qdf --object-streams=disable " +
                      (password.empty() ? "" : "--password=" + Quoted(password) + " ") + Quoted(pdf) + " -");
}

// The file's objects as qpdf's JSON, strings decoded ("u:text").
inline std::string PdfObjectsJson(const std::string& pdf, const std::string& password = "") {
    return RunCommand("qpdf --json=2 --json-key=qpdf " +
                      (password.empty() ? "" : "--password=" + Quoted(password) + " ") + Quoted(pdf));
}

inline bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace slidemint::testing
