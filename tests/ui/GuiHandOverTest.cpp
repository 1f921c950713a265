// The hand-over from the serial component's thread to the GUI thread: the call runs on
// the GUI thread and the caller waits for it; the GUI thread itself is not made to wait
// for itself; and a hand-over that outlives the window returns without running.
#include "GuiHandOver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// Processes events until `done` holds; false if it never does.
bool ProcessEventsUntil(const std::atomic<bool>& done) {
    QDeadlineTimer deadline(10000);
    while (!done) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

TEST(GuiHandOver, RunsTheCallOnTheGuiThreadWhileTheCallerWaits) {
    GuiHandOver handOver;
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
    EXPECT_TRUE(ProcessEventsUntil(returned));
    caller.join();

    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_TRUE(ranBeforeReturn);
}

TEST(GuiHandOver, RunsACallFromTheGuiThreadAtOnce) {
    GuiHandOver handOver;
    bool ran = false;
    handOver.Synchronize()([&] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST(GuiHandOver, ReleasesAWaitingCallerWhenDestroyedWithoutRunningItsCall) {
    auto handOver = std::make_unique<GuiHandOver>();
    TSynchronize synchronize = handOver->Synchronize();
    std::atomic<bool> ran{false};
    std::atomic<bool> handingOver{false};
    std::atomic<bool> returned{false};

    std::thread caller([&] {
        handingOver = true;
        synchronize([&] { ran = true; });
        returned = true;
    });
    // No events are processed, so the call stays queued. Qt offers no way to see the
    // queue; the pause lets the caller get there (were it late, it would find the
    // hand-over gone and return at once, which passes too).
    while (!handingOver)
        std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(returned);
    handOver.reset();
    caller.join();

    EXPECT_TRUE(returned);
    EXPECT_FALSE(ran);
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
}

TEST(GuiHandOver, ReturnsWithoutRunningOnceDestroyed) {
    auto handOver = std::make_unique<GuiHandOver>();
    TSynchronize synchronize = handOver->Synchronize();
    handOver.reset();

    bool ran = false;
    std::thread caller([&] { synchronize([&] { ran = true; }); });
    caller.join();
    EXPECT_FALSE(ran);
}

} // namespace
