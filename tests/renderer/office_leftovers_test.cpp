#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "app/renderer/office_leftovers.hpp"

namespace slidemint {
namespace {

// The id of a process that has just ended.
pid_t endedProgram() {
    pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(OfficeLeftovers, RemovesOnlyWhatEndedProgramsLeft) {
    const auto temp = std::filesystem::temp_directory_path();
    const std::string uid = std::to_string(::getuid());
    const std::string dead = std::to_string(endedProgram());
    const std::string alive = std::to_string(::getpid());
    const std::filesystem::path paths[] = {
        temp / ("slidemint-office-" + dead + "-abc123"),
        std::filesystem::path("/tmp") / ("OSL_PIPE_" + uid + "_slidemint_" + dead + "_1_42"),
        temp / ("slidemint-office-" + alive + "-abc123"),
        std::filesystem::path("/tmp") / ("OSL_PIPE_" + uid + "_slidemint_" + alive + "_1_42"),
    };
    std::filesystem::create_directories(paths[0] / "user");
    std::ofstream(paths[1]).put('x');
    std::filesystem::create_directories(paths[2]);
    std::ofstream(paths[3]).put('x');

    removeLeftoversOfEndedPrograms();

    EXPECT_FALSE(std::filesystem::exists(paths[0]));
    EXPECT_FALSE(std::filesystem::exists(paths[1]));
    EXPECT_TRUE(std::filesystem::exists(paths[2])) << "this program is still running";
    EXPECT_TRUE(std::filesystem::exists(paths[3]));
    removeOfficeFiles(paths[2], "slidemint_" + alive + "_1_42");
    EXPECT_FALSE(std::filesystem::exists(paths[2]));
    EXPECT_FALSE(std::filesystem::exists(paths[3]));
}

TEST(OfficeLeftovers, RemovesTheSocketGuardingTheProfile) {
    // Name seen beside a real office started with this profile.
    const std::filesystem::path profile = "/tmp/slidemint-office-10619-jsriiV";
    const std::filesystem::path guard =
        "/tmp/OSL_PIPE_" + std::to_string(::getuid()) + "_SingleOfficeIPC_676fb9e6d1f031d26d9a2747792e704a";
    std::filesystem::create_directories(profile / "user");
    std::ofstream(guard).put('x');
    removeOfficeFiles(profile, "");
    EXPECT_FALSE(std::filesystem::exists(profile));
    EXPECT_FALSE(std::filesystem::exists(guard));
}

TEST(OfficeLeftovers, NamesCarryTheProgramAndNeverRepeat) {
    const std::string pid = std::to_string(::getpid());
    auto first = makeOfficePipeName();
    EXPECT_EQ(first.rfind("slidemint_" + pid + "_", 0), 0u) << first;
    EXPECT_NE(makeOfficePipeName(), first);
    auto profile = makeOfficeProfileFolder();
    EXPECT_TRUE(std::filesystem::is_directory(profile));
    EXPECT_EQ(profile.filename().string().rfind("slidemint-office-" + pid + "-", 0), 0u);
    auto another = makeOfficeProfileFolder();
    EXPECT_NE(another, profile);
    std::filesystem::remove_all(profile);
    std::filesystem::remove_all(another);
}

}  // namespace
}  // namespace slidemint
