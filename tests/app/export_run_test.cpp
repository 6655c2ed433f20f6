#include <gtest/gtest.h>

#include "app/export_run.hpp"
#include "job_fixture.hpp"
#include "pdf_tools.hpp"

namespace slidemint::testing {
namespace {

class ExportRunTest : public JobFixture {
protected:
    int Run(MemoryFileList& list, bool continueAfterFailure = false, int jobs = 1) {
        ExportRun run(list, observer, Factory());
        run.SetExportFolder(Out("nested/folder/"));
        run.Environment = environment;
        run.ContinueAfterFailure = continueAfterFailure;
        run.Jobs = jobs;
        return run.ExportAll();
    }
};

TEST_F(ExportRunTest, EmptyListDoesNothing) {
    MemoryFileList list;
    EXPECT_EQ(Run(list), 0);
    EXPECT_TRUE(observer.statuses.empty());
    EXPECT_TRUE(observer.events.empty());
    EXPECT_FALSE(std::filesystem::exists(Out("nested")));
}

TEST_F(ExportRunTest, ConvertsEveryFileWithOneOfficeProcess) {
    for (const char* name : {"a.ppt", "Q3.review.ppt", "report"}) decks[name] = Deck(1);
    MemoryFileList list({"/d/a.ppt", "/d/Q3.review.ppt", "/d/report"});
    EXPECT_EQ(Run(list), 0);
    for (const char* pdf : {"a.pdf", "Q3.pdf", "report.pdf"})
        EXPECT_TRUE(std::filesystem::exists(Out("nested/folder/") + pdf)) << pdf;
    EXPECT_TRUE(list.Paths().empty());
    EXPECT_EQ(observer.statuses.back(), "Complete Export File " + Out("nested/folder/report.pdf"));
    EXPECT_EQ(observer.events, (std::vector<std::string>{"started", "finished"}));
    ASSERT_EQ(renderers.size(), 1u);  // one process for the whole run
    EXPECT_EQ(renderers[0]->opens, 3);
}

TEST_F(ExportRunTest, FailureEndsTheRunUnlessAskedToGoOn) {
    for (const char* name : {"a.ppt", "c.ppt"}) decks[name] = Deck(1);
    decks["b.ppt"] = RefusedDeck();
    MemoryFileList stopping({"/d/a.ppt", "/d/b.ppt", "/d/c.ppt"});
    EXPECT_EQ(Run(stopping), 1);
    EXPECT_EQ(stopping.Paths(), std::vector<std::string>{"/d/c.ppt"});
    EXPECT_EQ(observer.failures,
              std::vector<std::string>{"b.ppt: cannot open the presentation: the file is encrypted or damaged"});
    EXPECT_EQ(observer.events.back(), "finished");  // back to idle
    EXPECT_FALSE(std::filesystem::exists(Out("nested/folder/c.pdf")));

    MemoryFileList going({"/d/a.ppt", "/d/b.ppt", "/d/c.ppt"});
    EXPECT_EQ(Run(going, true), 1);
    EXPECT_TRUE(going.Paths().empty());
    EXPECT_TRUE(std::filesystem::exists(Out("nested/folder/c.pdf")));
}

TEST_F(ExportRunTest, MissingOfficeFailsEveryFileAndGoesOn) {
    cannotStart = true;
    MemoryFileList list({"/d/a.ppt", "/d/b.ppt"});
    EXPECT_EQ(Run(list), 2);
    EXPECT_EQ(observer.messages.size(), 2u);
    ASSERT_EQ(observer.failures.size(), 2u);
    EXPECT_EQ(observer.failures[0],
              "a.ppt: Cannot Open Powerpoint Application: cannot start the office suite: soffice is not installed");
    EXPECT_TRUE(list.Paths().empty());
}

TEST_F(ExportRunTest, SeveralJobsEachWithTheirOwnOffice) {
    std::vector<std::string> inputs;
    for (int k = 0; k < 6; ++k) {
        const std::string name = "deck" + std::to_string(k) + ".ppt";
        decks[name] = Deck(3);
        inputs.push_back("/d/" + name);
    }
    MemoryFileList list(inputs);
    EXPECT_EQ(Run(list, true, 3), 0);
    EXPECT_EQ(renderers.size(), 3u);
    for (int k = 0; k < 6; ++k)
        EXPECT_TRUE(Contains(PdfInfo(Out("nested/folder/deck" + std::to_string(k) + ".pdf")), "Pages:           3"));
    EXPECT_TRUE(WorkFoldersEmpty());
}

TEST_F(ExportRunTest, RenderingAheadKeepsThePagesInOrder) {
    decks["deck.ppt"] = Deck(7);
    MemoryFileList list({"/d/deck.ppt"});
    ExportRun run(list, observer, Factory());
    run.SetExportFolder(Out(""));
    run.Environment = environment;
    run.RenderAhead = 2;
    EXPECT_EQ(run.ExportAll(), 0);
    EXPECT_EQ(renderers.size(), 3u);
    // Each slide is a solid grey of 30 x its number: page n must show slide n.
    for (int page = 1; page <= 7; ++page) {
        const std::string pixel = RunCommand("pdftoppm -r 9 -f " + std::to_string(page) + " -l " +
                                             std::to_string(page) + " -gray " + Quoted(Out("deck.pdf")) +
                                             " | tail -c 1 | od -An -tu1");
        EXPECT_NEAR(std::stoi(pixel), 30 * page, 3) << "page " << page;
    }
}

}  // namespace
}  // namespace slidemint::testing
