// The simulator's port: where it is registered, how names are chosen and cleaned up, and
// that the tool opening and closing it never hangs up the simulator's side.
#include "PortLink.h"
#include "PtyPort.h"

#include "serial/SimulatorPorts.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        char pattern[] = "/tmp/t360kv-sim-test-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~TempFolder() { fs::remove_all(path_); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// Sets XDG_RUNTIME_DIR for one scope.
class RuntimeDirectory {
public:
    explicit RuntimeDirectory(const char* value) {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR"))
            old_ = old;
        if (value != nullptr)
            setenv("XDG_RUNTIME_DIR", value, 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
    }
    ~RuntimeDirectory() {
        if (old_)
            setenv("XDG_RUNTIME_DIR", old_->c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
    }

private:
    std::optional<std::string> old_;
};

TEST(SimPort, FolderIsInTheRuntimeDirectoryWhenThereIsAUsableOne) {
    TempFolder runtime;
    std::string fallback = "/tmp/t360kv-sim-" + std::to_string(getuid());
    struct Case {
        const char* what;
        const char* runtimeDirectory;
        std::string folder;
    };
    const Case cases[] = {
        {"writable", runtime.Path().c_str(), runtime.Path() + "/t360kv-sim"},
        {"unset", nullptr, fallback},
        {"missing", "/nonexistent/run/user", fallback},
        {"relative", "run/user", fallback},
    };
    for (const Case& c : cases) {
        RuntimeDirectory set(c.runtimeDirectory);
        EXPECT_EQ(SimulatorPortFolder(), c.folder) << c.what;
    }
}

TEST(SimPort, LinksTakeTheFirstFreeNameAndLeaveNothingBehind) {
    TempFolder base;
    std::string folder = base.Path() + "/sims";
    PtyPort first, second, third;
    {
        PortLink a(folder, "", first.DevicePath());
        EXPECT_EQ(a.Path(), folder + "/ttySIM0");
        EXPECT_EQ(fs::read_symlink(a.Path()), first.DevicePath());
        struct stat info {};
        ASSERT_EQ(stat(folder.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);

        // A link whose simulator died is taken over; a live one is not.
        fs::create_symlink("/dev/pts/nonexistent", folder + "/ttySIM1");
        PortLink b(folder, "", second.DevicePath());
        EXPECT_EQ(b.Path(), folder + "/ttySIM1");
        EXPECT_EQ(fs::read_symlink(b.Path()), second.DevicePath());
        EXPECT_THROW(PortLink(folder, "ttySIM0", third.DevicePath()), std::runtime_error);

        PortLink named(folder, "bench-rx", third.DevicePath());
        EXPECT_EQ(named.Path(), folder + "/bench-rx");
    }
    EXPECT_FALSE(fs::exists(folder));
}

TEST(SimPort, ToolOpeningAndClosingThePortDoesNotHangUpTheSimulator) {
    PtyPort port;
    for (int round = 0; round < 2; ++round) {
        int tool = open(port.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(tool, 0);
        ASSERT_EQ(write(port.MasterFd(), "$X*58\r\n", 7), 7);
        pollfd readable{tool, POLLIN, 0};
        ASSERT_EQ(poll(&readable, 1, 1000), 1);
        char got[16] = {};
        // Raw mode: the bytes arrive unchanged, CR LF included.
        EXPECT_EQ(read(tool, got, sizeof got), 7);
        EXPECT_STREQ(got, "$X*58\r\n");
        close(tool);

        pollfd master{port.MasterFd(), POLLIN, 0};
        EXPECT_EQ(poll(&master, 1, 0), 0) << "the master sees a hang-up";
    }
}

} // namespace
