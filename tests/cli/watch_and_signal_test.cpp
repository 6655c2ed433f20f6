// Interrupting the slidemint command, and its folder watch.
#include <gtest/gtest.h>

#include "command_fixture.hpp"

namespace slidemint::testing {
namespace {

using InterruptedCommand = SlidemintCommandTest;

TEST_F(InterruptedCommand, SigintEndsTheRunAndItsOfficeProcess) {
    const pid_t slidemint = Start("convert -o " + Quoted(Pdf("out")) + " " + Deck("42474-2.ppt"));
    ASSERT_TRUE(WaitForOutput("images 3 of 68", std::chrono::seconds(120)));
    ::kill(slidemint, SIGINT);
    EXPECT_EQ(Wait(slidemint), 128 + SIGINT);
    // Nothing half-written is left in the output folder: either no file or a valid one.
    for (const auto& entry : fs::directory_iterator(root / "out")) {
        EXPECT_EQ(entry.path().filename(), "42474-2.pdf");
        EXPECT_TRUE(Contains(RunCommand("qpdf --check " + Quoted(entry.path().string())),
                             "No syntax or stream encoding errors"));
    }
}

TEST_F(InterruptedCommand, WatchConvertsANewDeckUntilSigterm) {
    fs::create_directories(root / "in");
    const pid_t slidemint = Start("watch -o " + Quoted(Pdf("out")) + " " + Quoted(Pdf("in")));
    ASSERT_TRUE(WaitForOutput("Watching ", std::chrono::seconds(20)));
    fs::copy_file(decks / "SampleShow.ppt", root / "in" / "SampleShow.ppt");
    fs::copy_file(decks / "SampleShow.ppt", root / "in" / "ignored.pptx");
    EXPECT_TRUE(WaitForOutput("Export Complete : " + Pdf("out/SampleShow.pdf"), std::chrono::seconds(120)));
    ::kill(slidemint, SIGTERM);
    EXPECT_EQ(Wait(slidemint), 0);
    EXPECT_TRUE(Contains(PdfInfo(Pdf("out/SampleShow.pdf")), "Pages:           2"));
    EXPECT_FALSE(fs::exists(Pdf("out/ignored.pdf")));
}

}  // namespace
}  // namespace slidemint::testing
