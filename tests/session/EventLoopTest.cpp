// The event loop of the front ends without a toolkit, as other threads use it: a call
// handed over runs on the loop's thread while its caller waits, and a loop destroyed
// under a waiting or late caller releases it without running its call. Under
// ThreadSanitizer (scripts/tsan.sh) the caller must touch nothing the loop has freed.
#include "session/EventLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {

TEST(EventLoop, RunsAHandedOverCallOnItsThreadWhileTheCallerWaits) {
    TEventLoop loop;
    std::thread::id ranOn;
    bool ranBeforeReturn = false;
    std::atomic<bool> returned{false};

    std::thread caller([&] {
        bool ran = false;
        bool answered = loop.Synchronize([&] {
            ranOn = std::this_thread::get_id();
            ran = true;
        });
        ranBeforeReturn = ran && answered;
        returned = true;
    });
    EXPECT_TRUE(loop.RunUntil([&] { return returned.load(); }, 10s));
    caller.join();

    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_TRUE(ranBeforeReturn);
}

TEST(EventLoop, ReleasesAWaitingCallerWhenDestroyedWithoutRunningItsCall) {
    auto loop = std::make_unique<TEventLoop>();
    TEventLoop* handedTo = loop.get();
    std::atomic<bool> handingOver{false};
    std::atomic<bool> ran{false};
    bool answered = true;

    std::thread caller([&] {
        handingOver = true;
        answered = handedTo->Synchronize([&] { ran = true; });
    });
    // Nothing runs the loop, so the call stays queued; the pause lets the caller get
    // there (were it late, it would find the loop closing and return at once).
    while (!handingOver)
        std::this_thread::yield();
    std::this_thread::sleep_for(50ms);
    loop.reset();
    caller.join();

    EXPECT_FALSE(answered);
    EXPECT_FALSE(ran);
}

// The serial event thread is detached and hands over at any moment; the loop may be
// destroyed at any moment of a hand-over: before it, while the caller queues its call,
// or after.
TEST(EventLoop, AHandOverThatOutlivesTheLoopReturnsWithoutRunningItsCall) {
    for (int round = 0; round < 500; ++round) {
        auto loop = std::make_unique<TEventLoop>();
        auto handOver = loop->HandOver();
        std::atomic<bool> ran{false};
        std::thread caller([&] { handOver([&] { ran = true; }); });
        loop.reset();
        caller.join();
        ASSERT_FALSE(ran) << "round " << round;
    }
}

TEST(EventLoop, RunsCallsPostedFromAnotherThreadInOrder) {
    TEventLoop loop;
    std::vector<int> order;
    std::thread poster([&] {
        for (int i = 0; i < 100; ++i)
            loop.Post([&order, i] { order.push_back(i); });
    });
    poster.join();
    loop.ProcessPending();

    ASSERT_EQ(order.size(), 100u);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(order[static_cast<size_t>(i)], i);
}

} // namespace
