#include "app/cli/console_reporter.hpp"

#include <filesystem>

namespace slidemint {

namespace {

constexpr int kBarWidth = 30;

}  // namespace

ConsoleReporter::ConsoleReporter(std::FILE* out, std::FILE* errors, bool progressBar)
    : out_(out), errors_(errors), progressBar_(progressBar) {}

std::string ConsoleReporter::ProgressBar(const std::string& file, int number, int count, int width) {
    const int filled = count > 0 ? static_cast<int>(static_cast<long long>(width) * number / count) : width;
    std::string bar = "[" + std::string(static_cast<std::size_t>(filled), '#') +
                      std::string(static_cast<std::size_t>(width - filled), '.') + "] ";
    return bar + std::to_string(number) + "/" + std::to_string(count) + " " +
           std::filesystem::path(file).filename().string();
}

void ConsoleReporter::ShowStatus(const std::string& text) {
    if (progressBar_) return;
    std::fprintf(out_, "%s\n", text.c_str());
    std::fflush(out_);
}

void ConsoleReporter::ShowSlide(const Bitmap&, int number, int count) {
    if (!progressBar_) return;
    std::fprintf(out_, "\r\033[K%s", ProgressBar(current_, number, count, kBarWidth).c_str());
    std::fflush(out_);
    barShown_ = true;
}

void ConsoleReporter::FileStarted(const std::string& input, const std::string&) { current_ = input; }

void ConsoleReporter::FileConverted(const std::string&, const std::string& output) {
    if (!progressBar_) return;
    ClearBar();
    std::fprintf(out_, "%s\n", output.c_str());
    std::fflush(out_);
}

void ConsoleReporter::FileFailed(const std::string& input, const std::string& cause) {
    ClearBar();
    std::fprintf(errors_, "%s: %s\n", input.c_str(), cause.c_str());
    std::fflush(errors_);
}

void ConsoleReporter::RunFinished() { ClearBar(); }

void ConsoleReporter::ReportTimings(const JobTimings& t) {
    if (!showTimings) return;
    std::fprintf(errors_, "own work: %.3f s (bitmap load %.3f s, pages %.3f s, JPEG and PDF write %.3f s; job %.3f s)\n",
                 t.OwnWork(), t.bitmapLoad, t.pages, t.write, t.total);
}

void ConsoleReporter::ClearBar() {
    if (!barShown_) return;
    std::fprintf(out_, "\r\033[K");
    std::fflush(out_);
    barShown_ = false;
}

}  // namespace slidemint
