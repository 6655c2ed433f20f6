#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <mutex>
#include <optional>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "app/conversion_job.hpp"
#include "app/conversion_options.hpp"
#include "app/office_application.hpp"

namespace slidemint {

// The list of presentations a run converts. The run reads it again before
// every file, so entries added during a run are converted by the same run.
// Calls may come from the run's worker threads.
class ExportFileList {
public:
    virtual ~ExportFileList() = default;
    // Full path of entry index, or nothing past the end.
    virtual std::optional<std::string> PathAt(std::size_t index) = 0;
    // Removes the first entry with this path (after its conversion).
    virtual void Remove(const std::string& path) = 0;
};

// A thread-safe list in memory (the command line, tests).
class MemoryFileList : public ExportFileList {
public:
    MemoryFileList() = default;
    explicit MemoryFileList(std::vector<std::string> paths) : paths_(std::move(paths)) {}
    std::optional<std::string> PathAt(std::size_t index) override;
    void Remove(const std::string& path) override;
    void Add(const std::string& path);
    std::vector<std::string> Paths() const;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> paths_;
};

// Where a run reports; the conversion texts come through the inherited
// ConversionObserver calls. With several jobs at once, calls come from
// several threads (never two at the same time).
class ExportObserver : public ConversionObserver {
public:
    // The run begins: show the slide preview, disable the export button.
    virtual void RunStarted() {}
    // A file's conversion begins (thumbnail) and ends.
    virtual void FileStarted(const std::string& /*input*/, const std::string& /*output*/) {}
    virtual void FileConverted(const std::string& /*input*/, const std::string& /*output*/) {}
    // A file failed; cause is the error's message without the file name.
    virtual void FileFailed(const std::string& /*input*/, const std::string& /*cause*/) {}
    // The run is over (also after a failure): back to idle.
    virtual void RunFinished() {}
};

// Renderers of the installed LibreOffice, each office call limited to timeout.
RendererFactory DefaultRendererFactory(std::chrono::milliseconds timeout);

// The default output folder: the user's home folder + "Export/".
std::string DefaultExportFolder();

// The file name without its folder, cut before its first ".".
std::string FileBaseName(const std::string& input);

// Converts every file of a list into ExportFolder, one PDF per file named
// after its base name, taking entries from the front and removing each one
// when it is done.
class ExportRun {
public:
    // factory makes the renderer of each office process; empty means the
    // LibreOffice renderer.
    ExportRun(ExportFileList& list, ExportObserver& observer, RendererFactory factory = {});
    ~ExportRun();

    const std::string& ExportFolder() const { return exportFolder_; }
    void SetExportFolder(std::string folder) { exportFolder_ = std::move(folder); }

    bool ExportBusy() const { return busy_.load(); }

    ConversionOptions Options;
    int Jobs = 1;                        // files converted at once, each with its own office process
    int RenderAhead = 0;                 // extra office processes per file rendering ahead
    std::chrono::milliseconds CallTimeout{60000};  // time limit of each office call (default renderer)
    bool ContinueAfterFailure = false;   // false: a failed file ends the run
    JobEnvironment Environment = JobEnvironment::System();

    // Converts until the list is empty (or a failure ends the run). Shows
    // "Complete Export File %s" with the last output path when the list
    // was emptied. Returns the number of files that failed.
    int ExportAll();

    // Asks a running ExportAll to stop after the files in progress.
    void Stop() { stop_.store(true); }

    // Normalises ExportFolder (the default folder when empty; a trailing '/'
    // added when missing) and creates it with its parents. Throws
    // ConversionError when the folder cannot be made.
    void PrepareExportFolder();

    // Ends the office processes kept for later runs.
    void Shutdown();

private:
    std::optional<std::string> ClaimNext();
    void Release(const std::string& input, const std::string& output);
    void RunWorker(OfficeApplication& office, ExportObserver& observer);
    void ConvertOne(OfficeApplication& office, ExportObserver& observer, const std::string& input,
                    const std::string& output);
    void Fail(ExportObserver& observer, const std::string& input, const std::string& cause, bool endsRun);

    ExportFileList& list_;
    ExportObserver& observer_;
    RendererFactory factory_;
    std::string exportFolder_ = DefaultExportFolder();
    std::atomic<bool> busy_{false};
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::multiset<std::string> inProgress_;
    std::vector<std::unique_ptr<OfficeApplication>> offices_;
    std::string lastOutput_;
    int failures_ = 0;
};

}  // namespace slidemint
