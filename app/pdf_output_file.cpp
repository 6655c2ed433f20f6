#include "app/pdf_output_file.hpp"

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <system_error>

#include "app/conversion_job.hpp"

namespace slidemint {

namespace fs = std::filesystem;

namespace {

std::string WorkingPathFor(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const fs::path path(target);
    const std::string name = "." + path.filename().string() + ".part-" + std::to_string(::getpid()) + "-" +
                             std::to_string(counter.fetch_add(1)) + ".pdf";
    return (path.parent_path() / name).string();
}

}  // namespace

PdfOutputFile::PdfOutputFile(std::string target)
    : target_(std::move(target)), working_(WorkingPathFor(target_)) {}

PdfOutputFile::~PdfOutputFile() {
    std::error_code ignored;
    fs::remove(working_, ignored);
}

void PdfOutputFile::Commit() {
    std::error_code error;
    fs::rename(working_, target_, error);
    if (error) throw ConversionError("cannot write " + target_ + ": " + error.message());
}

void PdfOutputFile::Abandon(bool keepPartial) {
    std::error_code error;
    if (keepPartial && !fs::exists(target_, error)) fs::rename(working_, target_, error);
    fs::remove(working_, error);
}

}  // namespace slidemint
