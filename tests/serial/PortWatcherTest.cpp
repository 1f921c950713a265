// The port watcher's thread on folders of the test's own: callbacks for ports coming
// and going, and stopping.
#include "serial/PortWatcher.h"

#include <gtest/gtest.h>

#include <atomic>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Counts the callbacks of one watcher; the test waits for a count.
class ChangeCounter {
public:
    TPortWatcher::TChangeHandler Handler() {
        return [this] {
            std::lock_guard<std::mutex> guard(lock_);
            ++count_;
            changed_.notify_all();
        };
    }
    bool WaitFor(int count) {
        std::unique_lock<std::mutex> guard(lock_);
        return changed_.wait_for(guard, 10s, [&] { return count_ >= count; });
    }
    int Count() {
        std::lock_guard<std::mutex> guard(lock_);
        return count_;
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    int count_ = 0;
};

class PortWatcherTest : public ::testing::Test {
protected:
    PortWatcherTest() {
        char folder[] = "/tmp/t360kv-watcher-XXXXXX";
        if (!mkdtemp(folder))
            throw std::runtime_error("mkdtemp failed");
        root = folder;
        fs::create_directory(root + "/dev");
        folders = {root + "/dev", root + "/dev/serial/by-id", root + "/sim"};
    }
    ~PortWatcherTest() override {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }

    void Link(const std::string& name) {
        fs::create_symlink("/dev/pts/0", folders.Simulator + "/" + name);
    }

    std::string root;
    TPortWatchFolders folders;
    ChangeCounter changes;
};

TEST_F(PortWatcherTest, MakesTheSimulatorFolderPrivate) {
    TPortWatcher watcher(changes.Handler(), folders);
    fs::file_status status = fs::symlink_status(folders.Simulator);
    EXPECT_EQ(status.type(), fs::file_type::directory);
    EXPECT_EQ(status.permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST_F(PortWatcherTest, CallsBackWhenAPortComesAndGoes) {
    TPortWatcher watcher(changes.Handler(), folders);
    Link("ttySIM0");
    ASSERT_TRUE(changes.WaitFor(1)) << "simulator link made";
    fs::remove(folders.Simulator + "/ttySIM0");
    ASSERT_TRUE(changes.WaitFor(2)) << "simulator link removed";
    std::ofstream(folders.Dev + "/ttyACM0") << "";
    ASSERT_TRUE(changes.WaitFor(3)) << "device node made";
    fs::create_directories(folders.ById);
    fs::create_symlink("../../ttyACM0", folders.ById + "/usb-A");
    ASSERT_TRUE(changes.WaitFor(4)) << "by-id folder made with a link";
}

// A second watcher on the same folders shows when the event has been seen.
TEST_F(PortWatcherTest, StoppedWatcherCallsNoMore) {
    TPortWatcher stopped(changes.Handler(), folders);
    stopped.Stop();
    ChangeCounter marker;
    TPortWatcher running(marker.Handler(), folders);
    Link("ttySIM0");
    ASSERT_TRUE(marker.WaitFor(1));
    EXPECT_EQ(changes.Count(), 0);
}

TEST_F(PortWatcherTest, CallbackMayStopItsWatcher) {
    // The watcher's thread learns of its watcher through an atomic, set once it exists,
    // and counts after Stop: the count tells this thread that the callback is done with
    // the watcher, which the end of the test destroys.
    std::atomic<TPortWatcher*> stopping{nullptr};
    auto count = changes.Handler();
    auto watcher = std::make_unique<TPortWatcher>(
        [&] {
            if (TPortWatcher* self = stopping.load())
                self->Stop();
            count();
        },
        folders);
    stopping = watcher.get();
    ChangeCounter marker;
    TPortWatcher running(marker.Handler(), folders);
    Link("ttySIM0");
    ASSERT_TRUE(changes.WaitFor(1));
    ASSERT_TRUE(marker.WaitFor(1));
    Link("ttySIM1");
    ASSERT_TRUE(marker.WaitFor(2));
    EXPECT_EQ(changes.Count(), 1);
    watcher.reset();
}

} // namespace
