#pragma once

#include <cstdio>
#include <string>

#include "app/export_run.hpp"

namespace slidemint {

// Reports a command-line run. Failures go to errors as "FILE: cause", one
// line each. On a terminal, out shows a progress bar of the slides of the
// file being converted; otherwise out gets every status text on a line.
class ConsoleReporter : public ExportObserver {
public:
    ConsoleReporter(std::FILE* out, std::FILE* errors, bool progressBar);

    void ShowStatus(const std::string& text) override;
    void ShowSlide(const Bitmap& slide, int number, int count) override;
    void FileStarted(const std::string& input, const std::string& output) override;
    void FileConverted(const std::string& input, const std::string& output) override;
    void FileFailed(const std::string& input, const std::string& cause) override;
    void RunFinished() override;
    // Prints "own work: S s (...)" on errors when showTimings.
    void ReportTimings(const JobTimings& timings) override;
    bool showTimings = false;

    // The bar of number of count slides of file, width characters wide.
    static std::string ProgressBar(const std::string& file, int number, int count, int width);

private:
    void ClearBar();

    std::FILE* out_;
    std::FILE* errors_;
    bool progressBar_;
    bool barShown_ = false;
    std::string current_;
};

}  // namespace slidemint
