#pragma once

#include <cstdio>
#include <string>

namespace slidemint::testing {

// Output of a shell command (stdout and stderr).
inline std::string RunCommand(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen((command + " 2>&1").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
        ::pclose(pipe);
    }
    return output;
}

inline std::string Quoted(const std::string& path) { return "'" + path + "'"; }

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
