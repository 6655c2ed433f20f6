// The office process behind the LibreOffice renderer: it never outlives its
// use, and a lost or hung office costs one file, not the run.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <thread>

#include "app/renderer/libreoffice_renderer.hpp"
#include "app/renderer/office_cleanup.hpp"
#include "app/renderer/renderer_error.hpp"
#include "tests/renderer/process_check.hpp"
#include "tests/renderer/shared_decks.hpp"

namespace slidemint {
namespace {

using namespace std::chrono_literals;
using test::processGroupAlive;
using test::sharedDeck;

// SIGKILL arrives asynchronously; give the group a moment to go.
bool groupEndsSoon(pid_t group) {
    for (int i = 0; i < 100 && processGroupAlive(group); ++i) std::this_thread::sleep_for(20ms);
    return !processGroupAlive(group);
}

class OfficeLifecycle : public ::testing::Test {
protected:
    void SetUp() override { SKIP_WITHOUT_SHARED_DECKS(); }
};

TEST_F(OfficeLifecycle, QuitAndDestructionLeaveNoOfficeBehind) {
    pid_t second = 0;
    {
        LibreOfficeRenderer renderer;
        EXPECT_EQ(renderer.officeProcessGroup(), 0) << "the office starts on the first open";
        renderer.open(sharedDeck("empty.ppt"));
        pid_t first = renderer.officeProcessGroup();
        ASSERT_TRUE(processGroupAlive(first));
        renderer.quit();
        EXPECT_FALSE(processGroupAlive(first));
        EXPECT_EQ(renderer.officeProcessGroup(), 0);

        auto presentation = renderer.open(sharedDeck("SampleShow.ppt"));
        second = renderer.officeProcessGroup();
        EXPECT_NE(second, first) << "a fresh office after quit";
        EXPECT_EQ(presentation->slideCount(), 2);
    }
    EXPECT_FALSE(processGroupAlive(second));
}

TEST_F(OfficeLifecycle, KilledOfficeFailsTheCallCleanlyAndIsStartedAgain) {
    LibreOfficeRenderer renderer;
    auto presentation = renderer.open(sharedDeck("SampleShow.ppt"));
    auto slide = presentation->slide(1);
    pid_t group = renderer.officeProcessGroup();
    killAllOfficeGroups();  // what the signal handler does
    ASSERT_TRUE(groupEndsSoon(group));

    EXPECT_THROW(slide->title(), OfficeDiedError);
    EXPECT_EQ(renderer.officeProcessGroup(), 0);
    EXPECT_THROW(presentation->slideCount(), RendererError) << "its presentation is gone with it";
    EXPECT_NO_THROW(presentation->close());

    auto again = renderer.open(sharedDeck("SampleShow.ppt"));
    EXPECT_EQ(again->slide(1)->title(), u"Title of the first slide");
    EXPECT_NE(renderer.officeProcessGroup(), group);
}

TEST_F(OfficeLifecycle, OverrunningCallEndsTheOfficeAndFailsAsTimedOut) {
    LibreOfficeRenderer renderer;
    auto presentation = renderer.open(sharedDeck("SampleShow.ppt"));
    auto slide = presentation->slide(1);
    pid_t group = renderer.officeProcessGroup();
    auto bitmap = std::filesystem::temp_directory_path() / ("slidemint-timeout-" + std::to_string(group) + ".bmp");

    renderer.setTimeLimit(1ms);
    try {
        slide->exportBitmap(bitmap, 640, 480);
        ADD_FAILURE() << "the export finished within 1 ms";
    } catch (const RendererTimeoutError& error) {
        EXPECT_NE(std::string(error.what()).find("timed out"), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find(sharedDeck("SampleShow.ppt")), std::string::npos);
    }
    EXPECT_FALSE(processGroupAlive(group));
    EXPECT_EQ(renderer.officeProcessGroup(), 0);

    renderer.setTimeLimit(60s);
    auto again = renderer.open(sharedDeck("SampleShow.ppt"));
    again->slide(1)->exportBitmap(bitmap, 64, 48);
    EXPECT_TRUE(std::filesystem::exists(bitmap));
    std::filesystem::remove(bitmap);
}

TEST(OfficeStart, MissingProgramFailsWithItsCause) {
    LibreOfficeOptions options;
    options.officeProgram = "/nonexistent/office/soffice.bin";
    LibreOfficeRenderer renderer(options);
    auto deck = std::filesystem::path(__FILE__);  // any file that exists
    try {
        renderer.open(deck);
        ADD_FAILURE() << "opened without an office";
    } catch (const OfficeStartError& error) {
        EXPECT_EQ(error.file(), deck.string());
        EXPECT_NE(error.cause().find("cannot start the office suite"), std::string::npos) << error.what();
        EXPECT_NE(error.cause().find("No such file or directory"), std::string::npos) << error.what();
    }
    EXPECT_EQ(renderer.officeProcessGroup(), 0);
}

}  // namespace
}  // namespace slidemint
