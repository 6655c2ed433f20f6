#include <gtest/gtest.h>

#include "app/cli/cli_arguments.hpp"
#include "app/cli/console_reporter.hpp"

namespace slidemint {
namespace {

ParseResult Parse(std::vector<std::string> args) { return ParseCommandLine(args); }

TEST(CommandLine, ConvertOptionsFillTheOptions) {
    const ParseResult parsed =
        Parse({"convert", "-o", "/out", "-q", "very-high", "--toc", "--no-notes", "--author", "Ana", "--creator",
               "Me", "--full-screen", "--animation", "--hide-toolbar", "--encrypt", "--user-password", "u",
               "--owner-password", "o", "--open", "-j", "3", "--timeout", "5", "a.ppt", "dir"});
    ASSERT_TRUE(parsed.arguments) << parsed.output;
    const CliArguments& a = *parsed.arguments;
    EXPECT_EQ(a.command, CliArguments::Command::Convert);
    EXPECT_EQ(a.outputDir, "/out");
    EXPECT_EQ(a.options.qualityIndex, 2);
    EXPECT_TRUE(a.options.addToc && !a.options.addSlideNotes && a.options.fullScreen && a.options.animation &&
                a.options.hideToolBar && a.options.encrypt && a.options.openAfterConversion);
    EXPECT_EQ(a.options.author, "Ana");
    EXPECT_EQ(a.options.creator, "Me");
    EXPECT_EQ(a.options.userPassword, "u");
    EXPECT_EQ(a.options.ownerPassword, "o");
    EXPECT_EQ(a.jobs, 3);
    EXPECT_EQ(a.timeoutSeconds, 5);
    EXPECT_EQ(a.inputs, (std::vector<std::string>{"a.ppt", "dir"}));
}

TEST(CommandLine, Defaults) {
    const ParseResult parsed = Parse({"convert", "a.ppt"});
    ASSERT_TRUE(parsed.arguments);
    EXPECT_EQ(parsed.arguments->options.qualityIndex, 0);
    EXPECT_TRUE(parsed.arguments->options.addSlideNotes);
    EXPECT_FALSE(parsed.arguments->options.addToc);
    EXPECT_EQ(parsed.arguments->jobs, 1);
    EXPECT_TRUE(parsed.arguments->outputDir.empty());
}

TEST(CommandLine, QualityWords) {
    const std::pair<const char*, int> cases[] = {{"normal", 0}, {"high", 1}, {"very-high", 2}, {"default", 3}};
    for (const auto& [word, index] : cases) {
        const ParseResult parsed = Parse({"convert", "-q", word, "a.ppt"});
        ASSERT_TRUE(parsed.arguments) << word;
        EXPECT_EQ(parsed.arguments->options.qualityIndex, index) << word;
    }
}

TEST(CommandLine, UsageErrorsGiveTwoAndHelpAndVersionZero) {
    const std::vector<std::vector<std::string>> errors{
        {}, {"convert"}, {"convert", "-q", "ultra", "a.ppt"}, {"convert", "-j", "0", "a.ppt"},
        {"convert", "--timeout", "-1", "a.ppt"}, {"convert", "--bogus", "a.ppt"}, {"frobnicate"},
        {"watch", "a", "b"}};
    for (const auto& args : errors) {
        const ParseResult parsed = Parse(args);
        EXPECT_FALSE(parsed.arguments) << ::testing::PrintToString(args);
        EXPECT_EQ(parsed.exitCode, 2) << ::testing::PrintToString(args);
    }
    for (const auto& args : std::vector<std::vector<std::string>>{{"--help"}, {"--version"}, {"convert", "--help"}}) {
        const ParseResult parsed = Parse(args);
        EXPECT_FALSE(parsed.arguments);
        EXPECT_EQ(parsed.exitCode, 0);
        EXPECT_FALSE(parsed.output.empty());
    }
}

TEST(ConsoleReporter, ProgressBar) {
    EXPECT_EQ(ConsoleReporter::ProgressBar("/d/Talk.ppt", 0, 4, 8), "[........] 0/4 Talk.ppt");
    EXPECT_EQ(ConsoleReporter::ProgressBar("/d/Talk.ppt", 3, 4, 8), "[######..] 3/4 Talk.ppt");
    EXPECT_EQ(ConsoleReporter::ProgressBar("/d/Talk.ppt", 0, 0, 4), "[####] 0/0 Talk.ppt");
}

}  // namespace
}  // namespace slidemint
