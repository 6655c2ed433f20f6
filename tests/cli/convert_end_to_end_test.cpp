// The slidemint command with the installed LibreOffice on the shared decks.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "command_fixture.hpp"

namespace slidemint::testing {
namespace {

using ConvertEndToEnd = SlidemintCommandTest;

TEST_F(ConvertEndToEnd, PageSizeForEachQuality) {
    const std::pair<const char*, const char*> cases[] = {
        {"normal", "480 x 360 pts"}, {"high", "600 x 450 pts"}, {"very-high", "768 x 576 pts"},
        {"default", "540 x 405 pts"}};
    for (const auto& [quality, size] : cases) {
        const CommandResult result =
            Slidemint(std::string("convert -q ") + quality + " -o " + Quoted(Pdf(quality)) + " " + Deck("SampleShow.ppt"));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        const std::string info = PdfInfo(Pdf(std::string(quality) + "/SampleShow.pdf"));
        EXPECT_TRUE(Contains(info, "Pages:           2")) << quality << info;
        EXPECT_TRUE(Contains(info, size)) << quality << info;
    }
}

TEST_F(ConvertEndToEnd, OptionsReadBackWithQpdf) {
    const CommandResult result = Slidemint(
        "convert --toc --full-screen --animation --hide-toolbar --author Ana --creator Tester --encrypt "
        "--user-password user --owner-password owner -o " + Quoted(Pdf("out")) + " " + Deck("SampleShow.ppt"));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // Status texts, one per line, when the output is not a terminal.
    EXPECT_TRUE(Contains(result.out, "Total 2 slides.\n")) << result.out;
    EXPECT_TRUE(Contains(result.out, "images 2 of 2\nExport Complete : ")) << result.out;
    EXPECT_TRUE(Contains(result.out, "Complete Export File " + Pdf("out/SampleShow.pdf"))) << result.out;

    const std::string pdf = Pdf("out/SampleShow.pdf");
    EXPECT_TRUE(Contains(PdfInfo(pdf), "Incorrect password"));
    EXPECT_TRUE(Contains(RunCommand("qpdf --check --password=user " + Quoted(pdf)), "No syntax or stream encoding errors"));
    const std::string outlines = RunCommand("qpdf --password=user --json --json-key=outlines " + Quoted(pdf));
    EXPECT_TRUE(Contains(outlines, "Title of the first slide")) << outlines;
    EXPECT_TRUE(Contains(outlines, "This is the second slide")) << outlines;
    const std::string text = PdfAsText(pdf, "user");
    for (const char* part : {"/PageMode /FullScreen", "/HideToolbar true", "/S /Dissolve", "/Subtype /Text"})
        EXPECT_TRUE(Contains(text, part)) << part;
    const std::string objects = PdfObjectsJson(pdf, "user");
    EXPECT_TRUE(Contains(objects, "u:I am the notes of the first slide")) << objects;
    EXPECT_TRUE(Contains(objects, "u:These are the notes of the 2nd slide THIS LINE IS BOLD")) << objects;
    const std::string info = PdfInfo(pdf, "user");
    EXPECT_TRUE(Contains(info, "Author:          Ana")) << info;
    EXPECT_TRUE(Contains(info, "Creator:         Tester")) << info;
}

TEST_F(ConvertEndToEnd, FailedDecksGiveOneLineEachAndTheRestConverts) {
    fs::create_directories(root / "in/sub");
    for (const char* name : {"Password_Protected-hello.ppt", "clusterfuzz-testcase-minimized-POIFuzzer-5681320547975168.ppt",
                             "clusterfuzz-testcase-minimized-POIHSLFFuzzer-6614960949821440.ppt", "SampleShow.ppt"})
        fs::copy_file(decks / name, root / "in" / name);
    fs::copy_file(decks / "empty.ppt", root / "in/sub/empty.ppt");
    const CommandResult result = Slidemint("convert -j 2 -o " + Quoted(Pdf("out")) + " " + Quoted(Pdf("in")));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 3) << result.err;
    for (const char* name : {"Password_Protected-hello.ppt: ", "POIFuzzer-5681320547975168.ppt: ",
                             "POIHSLFFuzzer-6614960949821440.ppt: "})
        EXPECT_TRUE(Contains(result.err, name)) << result.err;
    EXPECT_TRUE(fs::exists(Pdf("out/SampleShow.pdf")));
    EXPECT_TRUE(fs::exists(Pdf("out/empty.pdf")));
    EXPECT_FALSE(fs::exists(Pdf("out/Password_Protected-hello.pdf")));
}

TEST_F(ConvertEndToEnd, UsageErrorAndMissingFile) {
    EXPECT_EQ(Slidemint("convert --quality ultra x.ppt").exitCode, 2);
    const CommandResult missing = Slidemint("convert -o " + Quoted(Pdf("out")) + " " + Quoted(Pdf("nothing.ppt")));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(Contains(missing.err, "nothing.ppt: no such file or folder")) << missing.err;
}

TEST_F(ConvertEndToEnd, OfficeKilledMidDeck) {
    const std::string log = Pdf("stdout.txt");
    const std::string command = Environment() + " " + SLIDEMINT_BINARY +
                                " convert -o " + Quoted(Pdf("out")) + " " + Deck("42474-2.ppt") + " " +
                                Deck("SampleShow.ppt") + " >" + Quoted(log) + " 2>" + Quoted(Pdf("stderr.txt")) +
                                "; echo $? >" + Quoted(Pdf("rc.txt"));
    std::thread run([command] { std::system(command.c_str()); });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (!Contains(ReadFile(log), "images 5 of 68") && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    // The office processes this test started, found by their private profile folder, ended by id.
    const std::string pids = RunCommand("pgrep -f " + Quoted((root / "tmp").string() + "/slidemint-office"));
    for (std::size_t at = 0, end; (end = pids.find('\n', at)) != std::string::npos; at = end + 1)
        ::kill(std::stoi(pids.substr(at, end - at)), SIGKILL);
    run.join();
    EXPECT_EQ(ReadFile(Pdf("rc.txt")), "1\n");
    const std::string err = ReadFile(Pdf("stderr.txt"));
    EXPECT_TRUE(Contains(err, "42474-2.ppt: ")) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    // The pages made before the office died form a valid PDF; the next deck gets a fresh office.
    EXPECT_TRUE(Contains(RunCommand("qpdf --check " + Quoted(Pdf("out/42474-2.pdf"))), "No syntax or stream encoding errors"));
    EXPECT_TRUE(Contains(PdfInfo(Pdf("out/SampleShow.pdf")), "Pages:           2"));
}

}  // namespace
}  // namespace slidemint::testing
