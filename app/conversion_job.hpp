#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "app/conversion_options.hpp"
#include "engine/engine_error.hpp"

namespace slidemint {

class Bitmap;
class OfficeApplication;
class TvePDFEngine;

// Where a job's time went, in seconds of wall-clock time.
struct JobTimings {
    double total = 0;
    double bitmapLoad = 0;  // reading the slide bitmaps
    double pages = 0;       // placing them on the pages with the per-slide options
    double write = 0;       // EndDoc: JPEG encoding and writing the PDF
    double OwnWork() const { return bitmapLoad + pages + write; }
};

// Where a job reports. Called on the thread that runs the job.
class ConversionObserver {
public:
    virtual ~ConversionObserver() = default;
    // The status bar's single text.
    virtual void ShowStatus(const std::string& text) = 0;
    // A slide was placed on its page (number counts from 1): preview and progress.
    virtual void ShowSlide(const Bitmap& /*slide*/, int /*number*/, int /*count*/) {}
    // A message box; its text may hold a second line with the cause.
    virtual void ShowMessage(const std::string& /*text*/) {}
    // The job is over (also after a failure).
    virtual void ReportTimings(const JobTimings& /*timings*/) {}
};

// What a job needs of the machine, injectable for tests.
struct JobEnvironment {
    std::string tempFolder;                                 // ends with '/'
    std::function<std::tm()> localTime;                     // names the work folder
    std::function<void(const std::string&)> openDocument;   // shows a finished PDF

    // The user's temporary folder, the local clock and xdg-open.
    static JobEnvironment System();
};

enum class ConversionOutcome {
    Converted,               // the PDF is written
    ApplicationUnavailable,  // the office suite could not be started; nothing written
};

// A conversion that failed after the office suite was started. The message
// is the cause; the file is named by whoever reports it.
class ConversionError : public EngineError {
public:
    using EngineError::EngineError;
};

inline constexpr const char* kCannotOpenApplication = "Cannot Open Powerpoint Application";

// Converts one presentation into one PDF: every slide rendered by the office
// application as a bitmap, one page per slide, plus the user's options.
class ConversionJob {
public:
    ConversionJob(OfficeApplication& office, TvePDFEngine& engine, ConversionObserver& observer,
                  JobEnvironment environment = JobEnvironment::System());

    ConversionOptions Options;

    // Renders this many slides ahead in extra office processes (0: none).
    // Pages stay in slide order.
    int RenderAhead = 0;

    // InputFile: the presentation's full path; OutputFile: the PDF's full
    // path with ".pdf". Returns ApplicationUnavailable after showing
    // kCannotOpenApplication (and the cause on a second line). Any other
    // failure is raised after the closing steps. A failed conversion never
    // replaces an existing file of that name; when there is none and at
    // least one slide was placed, the output holds the pages made so far.
    ConversionOutcome ConvertPresentation(const std::string& InputFile, const std::string& OutputFile);

private:
    OfficeApplication& office_;
    TvePDFEngine& engine_;
    ConversionObserver& observer_;
    JobEnvironment environment_;
};

// The work folder's name: the local time as "yymmddhhnnss".
std::string WorkFolderStamp(const std::tm& time);

// The bitmap path of slide number (1-based) in workFolder: "Slide" and the
// number with at least four digits, ".bmp".
std::string SlideBitmapPath(const std::string& workFolder, int number);

// Replaces every character below 32 or above 126 by a blank; the length
// stays the same.
std::u16string CleanText(const std::u16string& text);

}  // namespace slidemint
