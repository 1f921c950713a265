// The hand-over from the serial component's thread to the GUI thread: the call runs on
// the GUI thread while the caller waits; the GUI thread is not made to wait for itself;
// and a hand-over that outlives the window returns without running.
#include "Win32Api.h"

#include "Win32HandOver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace {

// Runs the thread's messages until `done` holds; false if it never does.
bool ProcessMessagesUntil(const std::atomic<bool>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

TEST(Win32HandOver, RunsTheCallOnTheGuiThreadWhileTheCallerWaits) {
    TWin32HandOver handOver;
    TSynchronize synchronize = handOver.Synchronize();
    std::thread::id ranOn;
    bool ranBeforeReturn = false;
    std::atomic<bool> returned{false};

    std::thread caller([&] {
        bool ran = false;
        synchronize([&] {
            ranOn = std::this_thread::get_id();
            ran = true;
        });
        ranBeforeReturn = ran;
        returned = true;
    });
    EXPECT_TRUE(ProcessMessagesUntil(returned));
    caller.join();

    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_TRUE(ranBeforeReturn);
}

TEST(Win32HandOver, RunsACallFromTheGuiThreadAtOnce) {
    TWin32HandOver handOver;
    bool ran = false;
    handOver.Synchronize()([&] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST(Win32HandOver, ReleasesAWaitingCallerWhenDestroyedWithoutRunningItsCall) {
    auto handOver = std::make_unique<TWin32HandOver>();
    TSynchronize synchronize = handOver->Synchronize();
    std::atomic<bool> ran{false};
    std::atomic<bool> handingOver{false};
    std::atomic<bool> returned{false};

    std::thread caller([&] {
        handingOver = true;
        synchronize([&] { ran = true; });
        returned = true;
    });
    // No messages are processed, so the call stays queued (were the caller late, it
    // would find the hand-over gone and return at once, which passes too).
    while (!handingOver)
        std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(returned);
    handOver.reset();
    caller.join();

    EXPECT_TRUE(returned);
    EXPECT_FALSE(ran);

    // A hand-over after the window has gone returns at once and runs nothing.
    bool ranLate = false;
    synchronize([&] { ranLate = true; });
    EXPECT_FALSE(ranLate);
}

} // namespace
