#include "app/conversion_job.hpp"

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>

#include "app/engine_setup.hpp"
#include "app/office_application.hpp"
#include "app/pdf_output_file.hpp"
#include "app/renderer/presentation_renderer.hpp"
#include "app/renderer/renderer_error.hpp"
#include "app/slide_source.hpp"
#include "app/job_work_folder.hpp"
#include "engine/graphic.hpp"
#include "pdf/pdf_engine.hpp"

namespace slidemint {

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string Format(const char* pattern, const std::string& text, int a, int b = 0) {
    const int size = std::snprintf(nullptr, 0, pattern, text.c_str(), a, b);
    std::string result(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(result.data(), result.size(), pattern, text.c_str(), a, b);
    result.pop_back();
    return result;
}

}  // namespace

ConversionJob::ConversionJob(OfficeApplication& office, TvePDFEngine& engine, ConversionObserver& observer,
                             JobEnvironment environment)
    : office_(office), engine_(engine), observer_(observer), environment_(std::move(environment)) {}

ConversionOutcome ConversionJob::ConvertPresentation(const std::string& InputFile, const std::string& OutputFile) {
    const auto jobStart = Clock::now();
    std::unique_ptr<Presentation> presentation;
    try {
        presentation = office_.Start().open(InputFile);
    } catch (const OfficeStartError& error) {
        office_.Quit();
        observer_.ShowMessage(std::string(kCannotOpenApplication) + "\n" + error.cause());
        return ConversionOutcome::ApplicationUnavailable;
    } catch (...) {
        office_.Quit();
        throw;
    }

    PdfOutputFile output(OutputFile);
    JobTimings timings;
    std::optional<JobWorkFolder> workFolder;
    std::exception_ptr failure;
    bool begun = false;
    int placed = 0;
    try {
        workFolder.emplace(environment_.tempFolder, environment_.localTime());
        const int count = presentation->slideCount();
        observer_.ShowStatus(Format("Files %s Total %d slides.", OutputFile, count));
        const SlidePixelSize size =
            Options.qualityIndex == static_cast<int>(SlideQuality::DefaultSlide)
                ? SlideSizeFor(Options.qualityIndex, presentation->slideSize().width,
                               presentation->slideSize().height)
                : SlideSizeFor(Options.qualityIndex, 0, 0);
        ApplyJobSettings(engine_, size, output.WorkingPath());
        ApplyOptionSettings(engine_, Options);
        engine_.BeginDoc();
        begun = true;

        SlideRequest request{workFolder->Path(), size, Options.addToc, Options.addSlideNotes};
        auto source = RenderAhead > 0 && count > 1
                          ? MakeParallelSource(*presentation, office_.Helpers(RenderAhead), InputFile,
                                               request, count)
                          : MakeSequentialSource(*presentation, request);
        for (int number = 1; number <= count; ++number) {
            RenderedSlide slide = source->Next(number);
            timings.bitmapLoad += slide.loadSeconds;
            const auto pageStart = Clock::now();
            // The next page is started only once its slide is at hand, so a
            // failure leaves no empty page behind the slides made so far.
            if (number > 1) engine_.NewPage();
            const int index = engine_.AddImage(TBitmap(slide.bitmap));
            engine_.DrawImage(TveRect{0, 0, static_cast<double>(size.width), static_cast<double>(size.height)},
                              index);
            ++placed;
            observer_.ShowSlide(slide.bitmap, number, count);
            ApplySlideOptions(engine_, Options, slide, number, size);
            timings.pages += SecondsSince(pageStart);
            observer_.ShowStatus(Format("Process file %s images %d of %d", InputFile, number, count));
        }
    } catch (...) {
        failure = std::current_exception();
    }

    // Closing steps, also after a failure.
    try {
        presentation->close();
    } catch (...) {
        // a dead office process has nothing left to close
    }
    presentation.reset();
    office_.Quit();
    if (begun) {
        const auto writeStart = Clock::now();
        try {
            engine_.EndDoc();
            timings.write = SecondsSince(writeStart);
        } catch (...) {
            if (!failure) failure = std::current_exception();
            placed = 0;  // the file is unusable
        }
    }
    timings.total = SecondsSince(jobStart);
    observer_.ReportTimings(timings);
    if (failure) {
        output.Abandon(placed > 0);
        std::rethrow_exception(failure);
    }
    output.Commit();
    observer_.ShowStatus("Export Complete : " + OutputFile);
    if (Options.openAfterConversion && environment_.openDocument) environment_.openDocument(OutputFile);
    return ConversionOutcome::Converted;
}

}  // namespace slidemint
