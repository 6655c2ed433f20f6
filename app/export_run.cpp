#include "app/export_run.hpp"

#include <filesystem>
#include <system_error>
#include <thread>

#include "app/renderer/presentation_renderer.hpp"
#include "app/renderer/renderer_error.hpp"
#include "app/serialized_observer.hpp"
#include "pdf/pdf_engine.hpp"

namespace slidemint {

namespace {

std::string CauseOf(const std::exception& error) {
    if (const auto* renderer = dynamic_cast<const RendererError*>(&error)) return renderer->cause();
    return error.what();
}

// One line of a message box text: its lines joined by ": ".
std::string OneLine(std::string text) {
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at))
        text.replace(at, 1, ": ");
    return text;
}

}  // namespace

ExportRun::ExportRun(ExportFileList& list, ExportObserver& observer, RendererFactory factory)
    : list_(list), observer_(observer), factory_(std::move(factory)) {}

ExportRun::~ExportRun() { Shutdown(); }

void ExportRun::Shutdown() {
    for (auto& office : offices_) office->Shutdown();
    offices_.clear();
}

void ExportRun::PrepareExportFolder() {
    if (exportFolder_.empty()) exportFolder_ = DefaultExportFolder();
    if (exportFolder_.back() != '/') exportFolder_ += '/';
    std::error_code error;
    std::filesystem::create_directories(exportFolder_, error);
    if (error) throw ConversionError("cannot make the output folder " + exportFolder_ + ": " + error.message());
}

int ExportRun::ExportAll() {
    if (!list_.PathAt(0)) return 0;
    PrepareExportFolder();
    busy_ = true;
    stop_ = false;
    failures_ = 0;
    lastOutput_.clear();
    SerializedObserver observer(observer_);
    observer.RunStarted();

    const int workers = std::max(1, Jobs);
    if (!factory_) factory_ = DefaultRendererFactory(CallTimeout);
    while (static_cast<int>(offices_.size()) < workers)
        offices_.push_back(std::make_unique<OfficeApplication>(factory_));
    if (workers == 1) {
        RunWorker(*offices_.front(), observer);
    } else {
        std::vector<std::thread> threads;
        for (int k = 0; k < workers; ++k)
            threads.emplace_back([this, k, &observer] { RunWorker(*offices_[static_cast<std::size_t>(k)], observer); });
        for (auto& thread : threads) thread.join();
    }

    const bool emptied = !list_.PathAt(0) && !stop_;
    busy_ = false;
    observer.RunFinished();
    if (emptied) observer.ShowStatus("Complete Export File " + lastOutput_);
    return failures_;
}

std::optional<std::string> ExportRun::ClaimNext() {
    std::lock_guard lock(mutex_);
    for (std::size_t index = 0;; ++index) {
        std::optional<std::string> path = list_.PathAt(index);
        if (!path) return std::nullopt;
        if (!inProgress_.count(*path)) {
            inProgress_.insert(*path);
            return path;
        }
    }
}

void ExportRun::Release(const std::string& input, const std::string& output) {
    list_.Remove(input);
    std::lock_guard lock(mutex_);
    inProgress_.erase(inProgress_.find(input));
    lastOutput_ = output;
}

void ExportRun::RunWorker(OfficeApplication& office, ExportObserver& observer) {
    while (!stop_) {
        std::optional<std::string> input = ClaimNext();
        if (!input) return;
        const std::string output = exportFolder_ + FileBaseName(*input) + ".pdf";
        ConvertOne(office, observer, *input, output);
        Release(*input, output);
    }
}

void ExportRun::ConvertOne(OfficeApplication& office, ExportObserver& observer, const std::string& input,
                           const std::string& output) {
    observer.FileStarted(input, output);
    MessageRecorder messages(observer);
    TvePDFEngine engine;
    ConversionJob job(office, engine, messages, Environment);
    job.Options = Options;
    job.RenderAhead = RenderAhead;
    try {
        if (job.ConvertPresentation(input, output) == ConversionOutcome::Converted) {
            observer.FileConverted(input, output);
            return;
        }
        Fail(observer, input, OneLine(messages.LastMessage()), false);
    } catch (const std::exception& error) {
        Fail(observer, input, CauseOf(error), true);
    } catch (...) {
        Fail(observer, input, "unknown error", true);
    }
}

void ExportRun::Fail(ExportObserver& observer, const std::string& input, const std::string& cause, bool endsRun) {
    {
        std::lock_guard lock(mutex_);
        ++failures_;
    }
    if (endsRun && !ContinueAfterFailure) stop_ = true;
    observer.FileFailed(input, cause);
}

}  // namespace slidemint
