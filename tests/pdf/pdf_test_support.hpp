#pragma once

// Shared set-up of the PDF writer tests: a fixed clock, zone and screen,
// a temporary folder, and an engine that writes into it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>

#include "pdf/pdf_engine.hpp"
#include "platform/system_environment.hpp"
#include "tests/support/file_contents.hpp"

namespace slidemint::pdf_test {

inline constexpr LocalDateTime kFixedNow{2024, 3, 9, 7, 5, 4, 0};
inline constexpr int kFixedBias = -60;  // UTC+1
inline constexpr const char* kFixedCreationDate = "D:20240309070504+01'00'";

using test_support::ReadFile;

// Fixes the environment before any engine is made (page sizes and the
// points per pixel are taken at construction) and gives each test its own
// folder.
class PdfWriterTest : public ::testing::Test {
protected:
    void SetUp() override { FixEnvironment(96); }

    void TearDown() override {
        SystemEnvironment::current().resetToSystem();
        std::error_code ignored;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
    }

    static void FixEnvironment(int screenPPI) {
        SystemEnvironment& environment = SystemEnvironment::current();
        environment.setFixedNow(kFixedNow);
        environment.setTimeZoneBiasMinutes(kFixedBias);
        environment.setScreenPPI(screenPPI);
    }

    const std::filesystem::path& Folder() {
        if (folder_.empty()) {
            std::random_device random;
            folder_ = std::filesystem::temp_directory_path() /
                      ("slidemint-pdf-" + std::to_string(random()) + "-" + std::to_string(random()));
            std::filesystem::create_directories(folder_);
        }
        return folder_;
    }

    // An engine with no dialogs, no viewer launch, writing to name.pdf in the
    // test folder.
    std::unique_ptr<TvePDFEngine> MakeEngine(const std::string& name = "out") {
        auto engine = std::make_unique<TvePDFEngine>();
        engine->Preferences().SetShowSetupDialog(false);
        engine->Preferences().SetOpenAfterCreate(false);
        engine->SetFileName((Folder() / (name + ".pdf")).string());
        return engine;
    }

    std::filesystem::path PathOf(const std::string& name = "out") { return Folder() / (name + ".pdf"); }

private:
    std::filesystem::path folder_;
};

}  // namespace slidemint::pdf_test
