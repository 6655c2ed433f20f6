#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/conversion_job.hpp"
#include "app/export_run.hpp"
#include "app/office_application.hpp"
#include "platform/system_environment.hpp"
#include "scripted_renderer.hpp"

namespace slidemint::testing {

// Records what a job or a run reports.
struct RecordingObserver : ExportObserver {
    std::vector<std::string> statuses, messages, failures, events;
    int slidesShown = 0;
    void ShowStatus(const std::string& text) override { statuses.push_back(text); }
    void ShowSlide(const Bitmap&, int, int) override { ++slidesShown; }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void RunStarted() override { events.push_back("started"); }
    void FileFailed(const std::string& input, const std::string& cause) override {
        failures.push_back(std::filesystem::path(input).filename().string() + ": " + cause);
    }
    void RunFinished() override { events.push_back("finished"); }
};

// A scratch folder, a fixed clock, a screen of 96 pixels per inch and a
// scripted office suite.
class JobFixture : public ::testing::Test {
protected:
    void SetUp() override {
        root = std::filesystem::temp_directory_path() /
               ("slidemint-app-test-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "tmp");
        std::filesystem::create_directories(root / "out");
        SystemEnvironment::current().setScreenPPI(96);
        environment.tempFolder = (root / "tmp").string() + "/";
        environment.localTime = [] {
            std::tm time{};
            time.tm_year = 107;
            time.tm_mon = 2;
            time.tm_mday = 14;
            return time;
        };
        environment.openDocument = [this](const std::string& path) { opened.push_back(path); };
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    RendererFactory Factory() {
        return [this]() -> std::unique_ptr<PresentationRenderer> {
            auto renderer = std::make_shared<ScriptedRenderer>();
            renderer->decks = decks;
            renderer->cannotStart = cannotStart;
            renderers.push_back(renderer);
            return std::make_unique<ForwardingRenderer>(renderer);
        };
    }

    std::string Out(const std::string& name) const { return (root / "out" / name).string(); }
    bool WorkFoldersEmpty() const { return std::filesystem::is_empty(root / "tmp"); }

    std::filesystem::path root;
    JobEnvironment environment;
    std::map<std::string, ScriptedDeck> decks;
    bool cannotStart = false;
    std::vector<std::shared_ptr<ScriptedRenderer>> renderers;
    std::vector<std::string> opened;
    RecordingObserver observer;
};

}  // namespace slidemint::testing
