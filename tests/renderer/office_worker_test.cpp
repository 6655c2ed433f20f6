#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "app/renderer/office_worker.hpp"

namespace slidemint {
namespace {

using namespace std::chrono_literals;

TEST(OfficeWorker, ReturnsInTimeResultsAndErrorsOfItsTasks) {
    OfficeWorker worker;
    bool expired = false;
    int value = 0;
    EXPECT_TRUE(worker.run([&] { value = 42; }, 5s, [&] { expired = true; }));
    EXPECT_EQ(value, 42);
    EXPECT_THROW(worker.run([] { throw std::logic_error("boom"); }, 5s, [&] { expired = true; }), std::logic_error);
    EXPECT_FALSE(expired);
}

TEST(OfficeWorker, OverrunCallsTheExpiryActionAndWaitsForTheTask) {
    OfficeWorker worker;
    std::atomic<bool> released{false};
    bool taskReturned = false;
    auto blockedCall = [&] {
        while (!released) std::this_thread::sleep_for(1ms);
        taskReturned = true;
        throw std::runtime_error("connection lost");  // as a call cut off by the kill
    };
    EXPECT_FALSE(worker.run(blockedCall, 10ms, [&] { released = true; }));
    EXPECT_TRUE(taskReturned) << "run returns only after the task came back";

    int next = 0;
    EXPECT_TRUE(worker.run([&] { next = 1; }, 5s, [] {})) << "the worker serves the next task";
    EXPECT_EQ(next, 1);
}

}  // namespace
}  // namespace slidemint
