// The folder watches under the port watcher, step by step: inotify queues an event
// when the file operation returns, so each step's answer is known at once.
#include "serial/posix/FolderWatch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <sys/inotify.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kEntryEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;

struct Step {
    const char* What;
    std::function<void()> Act;
    bool Change;
};

class FolderWatchTest : public ::testing::Test {
protected:
    FolderWatchTest() {
        char folder[] = "/tmp/t360kv-watch-XXXXXX";
        if (!mkdtemp(folder))
            throw std::runtime_error("mkdtemp failed");
        root = folder;
        fs::create_directory(Path("dev"));
    }
    ~FolderWatchTest() override {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }

    std::string Path(const std::string& relative) const { return root + "/" + relative; }
    std::function<void()> MakeFile(const std::string& relative) const {
        return [path = Path(relative)] { std::ofstream(path) << ""; };
    }
    std::function<void()> MakeFolder(const std::string& relative) const {
        return [path = Path(relative)] { fs::create_directories(path); };
    }
    std::function<void()> Link(const std::string& relative) const {
        return [path = Path(relative)] { fs::create_symlink("/dev/pts/0", path); };
    }
    std::function<void()> Remove(const std::string& relative) const {
        return [path = Path(relative)] { fs::remove(path); };
    }
    std::function<void()> Rename(const std::string& from, const std::string& to) const {
        return [from = Path(from), to = Path(to)] { fs::rename(from, to); };
    }

    void Run(const std::vector<Step>& steps) {
        ASSERT_GE(watches.Fd(), 0);
        EXPECT_FALSE(watches.ReadChanges()) << "before the first step";
        for (const Step& step : steps) {
            step.Act();
            EXPECT_EQ(watches.ReadChanges(), step.Change) << step.What;
        }
    }

    std::string root;
    TFolderWatchSet watches;
};

TEST_F(FolderWatchTest, OnlyAcceptedEntriesCount) {
    watches.Add(Path("dev"), kEntryEvents | IN_ATTRIB,
                [](std::string_view name) { return name.substr(0, 3) == "tty"; });
    Run({
        {"other node made", MakeFile("dev/sda1"), false},
        {"tty node made", MakeFile("dev/ttyUSB0"), true},
        {"tty node's mode changed",
         [this] { fs::permissions(Path("dev/ttyUSB0"), fs::perms::owner_read); }, true},
        {"other node's mode changed",
         [this] { fs::permissions(Path("dev/sda1"), fs::perms::owner_read); }, false},
        {"tty node renamed", Rename("dev/ttyUSB0", "dev/ttyUSB1"), true},
        {"tty node removed", Remove("dev/ttyUSB1"), true},
        {"other node removed", Remove("dev/sda1"), false},
    });
}

TEST_F(FolderWatchTest, FolderThatAppearsLaterIsWatchedFromThen) {
    watches.Add(Path("dev/serial/by-id"), kEntryEvents);
    Run({
        {"parent made", MakeFolder("dev/serial"), false},
        {"folder made", MakeFolder("dev/serial/by-id"), true},
        {"link made", Link("dev/serial/by-id/usb-A"), true},
        {"link removed", Remove("dev/serial/by-id/usb-A"), true},
        {"folder removed", Remove("dev/serial/by-id"), true},
        {"parent removed", Remove("dev/serial"), false},
        {"both made, with a link, at once",
         [this] {
             fs::create_directories(Path("dev/serial/by-id"));
             fs::create_symlink("/dev/pts/0", Path("dev/serial/by-id/usb-B"));
         },
         true},
        {"another link made", Link("dev/serial/by-id/usb-C"), true},
    });
}

TEST_F(FolderWatchTest, FolderRemovedAndMadeAgainIsWatchedAgain) {
    fs::create_directory(Path("sim"));
    watches.Add(Path("sim"), kEntryEvents);
    Run({
        {"link made", Link("sim/ttySIM0"), true},
        {"link removed", Remove("sim/ttySIM0"), true},
        {"folder removed", Remove("sim"), true},
        {"folder made again", MakeFolder("sim"), true},
        {"link made again", Link("sim/ttySIM0"), true},
    });
}

TEST_F(FolderWatchTest, FolderMovedAwayIsNoLongerWatched) {
    fs::create_directory(Path("sim"));
    watches.Add(Path("sim"), kEntryEvents);
    Run({
        {"folder moved", Rename("sim", "sim.old"), true},
        {"link made in the moved folder", Link("sim.old/ttySIM0"), false},
        {"folder made in its place", MakeFolder("sim"), true},
        {"link made", Link("sim/ttySIM0"), true},
    });
}

// /dev is watched for its nodes and, while /dev/serial/by-id is missing, for that
// folder's creation: one inotify watch with two uses.
TEST_F(FolderWatchTest, SharedWatchKeepsBothUses) {
    watches.Add(Path("dev"), kEntryEvents,
                [](std::string_view name) { return name.substr(0, 3) == "tty"; });
    watches.Add(Path("dev/serial/by-id"), kEntryEvents);
    Run({
        {"by-id made", MakeFolder("dev/serial/by-id"), true},
        {"tty node made", MakeFile("dev/ttyUSB0"), true},
        {"by-id link made", Link("dev/serial/by-id/usb-A"), true},
        {"by-id removed", [this] { fs::remove_all(Path("dev/serial")); }, true},
        {"tty node removed", Remove("dev/ttyUSB0"), true},
        {"by-id made again", MakeFolder("dev/serial/by-id"), true},
    });
}

} // namespace
