#pragma once

#include <mutex>
#include <string>

#include "app/export_run.hpp"

namespace slidemint {

// Passes every call on to an observer, one call at a time, whatever thread
// it comes from.
class SerializedObserver : public ExportObserver {
public:
    explicit SerializedObserver(ExportObserver& target) : target_(target) {}

    void ShowStatus(const std::string& text) override { Call([&] { target_.ShowStatus(text); }); }
    void ShowSlide(const Bitmap& slide, int number, int count) override {
        Call([&] { target_.ShowSlide(slide, number, count); });
    }
    void ShowMessage(const std::string& text) override { Call([&] { target_.ShowMessage(text); }); }
    void ReportTimings(const JobTimings& timings) override { Call([&] { target_.ReportTimings(timings); }); }
    void RunStarted() override { Call([&] { target_.RunStarted(); }); }
    void FileStarted(const std::string& input, const std::string& output) override {
        Call([&] { target_.FileStarted(input, output); });
    }
    void FileConverted(const std::string& input, const std::string& output) override {
        Call([&] { target_.FileConverted(input, output); });
    }
    void FileFailed(const std::string& input, const std::string& cause) override {
        Call([&] { target_.FileFailed(input, cause); });
    }
    void RunFinished() override { Call([&] { target_.RunFinished(); }); }

private:
    template <class F>
    void Call(F call) {
        std::lock_guard lock(mutex_);
        call();
    }

    ExportObserver& target_;
    std::mutex mutex_;
};

// Passes a job's reports on and keeps the last message box text.
class MessageRecorder : public ConversionObserver {
public:
    explicit MessageRecorder(ConversionObserver& target) : target_(target) {}

    void ShowStatus(const std::string& text) override { target_.ShowStatus(text); }
    void ShowSlide(const Bitmap& slide, int number, int count) override { target_.ShowSlide(slide, number, count); }
    void ShowMessage(const std::string& text) override {
        last_ = text;
        target_.ShowMessage(text);
    }
    void ReportTimings(const JobTimings& timings) override { target_.ReportTimings(timings); }
    const std::string& LastMessage() const { return last_; }

private:
    ConversionObserver& target_;
    std::string last_;
};

}  // namespace slidemint
