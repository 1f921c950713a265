// Why a port is refused, and who holds it: a device that is not there, one this user may
// not open, one that another process holds open, and the lock files of serial programs.
// The lock files go to a folder of the test's own.
#include "HoldingProcess.h"
#include "PtyPair.h"
#include "TempFolder.h"

#include "serial/Comm.h"
#include "serial/CommDevice.h"
#include "serial/posix/UucpLock.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <pty.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// The PID of a process that has ended.
int GonePid() {
    pid_t pid = fork();
    if (pid == 0)
        _exit(0);
    waitpid(pid, nullptr, 0);
    return pid;
}

std::string LockText(int pid) {
    char text[16];
    std::snprintf(text, sizeof text, "%10d\n", pid);
    return text;
}

class PortRefusalTest : public ::testing::Test {
protected:
    PortRefusalTest() { SetUucpLockFolder(locks.Path()); }
    ~PortRefusalTest() override { SetUucpLockFolder({}); }

    std::string LockPath() const { return locks / UucpLockName(pty.Path()); }

    TOpenFailure failure;
    PtyPair pty;
    TempFolder locks;
};

TEST_F(PortRefusalTest, MissingDeviceIsNamed) {
    TComm comm;
    comm.SetDeviceName("/dev/ttyT360KV-missing");
    comm.Open();
    EXPECT_FALSE(comm.IsOpen());
    EXPECT_EQ(comm.OpenFailure().Error, ENOENT);
    EXPECT_EQ(comm.OpenFailure().Reason, "No such device: /dev/ttyT360KV-missing.");
}

// Root opens any device whatever its mode, so the open runs in a child that has given
// up root for the unprivileged "nobody".
TEST_F(PortRefusalTest, DeviceThisUserMayNotOpenNamesTheGroupToJoin) {
    group* dialout = getgrnam("dialout");
    if (geteuid() != 0 || dialout == nullptr)
        GTEST_SKIP() << "needs root to give up, and a dialout group";
    // As a USB serial adapter's node: owned by root, readable and writable by dialout.
    ASSERT_EQ(chown(pty.Path().c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(chmod(pty.Path().c_str(), 0660), 0);
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
            _exit(127);
        TOpenFailure refused;
        if (OpenCommDevice(pty.Path(), refused) != nullptr)
            _exit(1);
        std::string text = std::to_string(refused.Error) + " " + refused.Reason;
        _exit(write(pipeFds[1], text.data(), text.size()) == static_cast<ssize_t>(text.size())
                  ? 0
                  : 127);
    }
    close(pipeFds[1]);
    std::string got;
    char buffer[512];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        got.append(buffer, static_cast<size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << got;
    EXPECT_EQ(got, std::to_string(EACCES) + " Permission denied: this user may not open " +
                       pty.Path() +
                       ". Join the dialout group (sudo usermod -aG dialout $USER), then log "
                       "out and in again.");
}

TEST_F(PortRefusalTest, DeviceHeldByAnotherProcessIsRefusedNamingIt) {
    {
        HoldingProcess holder(pty.Path());
        ASSERT_EQ(holder.Name(), "sleep");
        EXPECT_EQ(OpenCommDevice(pty.Path(), failure), nullptr);
        EXPECT_EQ(failure.Error, EBUSY);
        EXPECT_EQ(failure.Reason, "Busy: " + pty.Path() + " is held by sleep (PID " +
                                      std::to_string(holder.Pid()) + ").");
        // Nothing is left of the refused attempt.
        EXPECT_EQ(locks.EntryCount(), 0u);
    }
    // Once the other process has let go, the device opens.
    EXPECT_NE(OpenCommDevice(pty.Path(), failure), nullptr) << failure.Reason;
}

// The simulator keeps both ends of its pseudo-terminal open: the process at the far end
// plays the device and does not hold the port against the tool.
TEST_F(PortRefusalTest, ProcessAtTheFarEndIsTheDeviceNotAnotherOpener) {
    int master = -1;
    int slave = -1;
    char name[256] = {};
    ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
    {
        HoldingProcess simulator(name, master);
        ASSERT_EQ(simulator.Name(), "sleep");
        EXPECT_NE(OpenCommDevice(name, failure), nullptr) << failure.Reason;
    }
    close(slave);
    close(master);
}

TEST_F(PortRefusalTest, LockFileOfALiveProcessRefusesThePort) {
    HoldingProcess other("/dev/null"); // any live process but this one
    const std::string lock = locks.Write(UucpLockName(pty.Path()), LockText(other.Pid()));
    EXPECT_EQ(OpenCommDevice(pty.Path(), failure), nullptr);
    EXPECT_EQ(failure.Error, EBUSY);
    EXPECT_EQ(failure.Reason, "Busy: " + pty.Path() + " is held by sleep (PID " +
                                  std::to_string(other.Pid()) + ").");
    EXPECT_EQ(TempFolder::Read(lock), LockText(other.Pid())); // left as it was
}

TEST_F(PortRefusalTest, StaleLockIsTakenOverAndTheOwnLockGoesAtClose) {
    const std::string lock = LockPath();
    for (const std::string& stale : {LockText(GonePid()), std::string()}) {
        SCOPED_TRACE(stale);
        locks.Write(UucpLockName(pty.Path()), stale);
        TComm comm;
        comm.SetDeviceName(pty.Path());
        comm.Open();
        ASSERT_TRUE(comm.IsOpen()) << comm.OpenFailure().Reason;
        EXPECT_EQ(TempFolder::Read(lock), LockText(getpid()));
        comm.Close();
        EXPECT_EQ(locks.EntryCount(), 0u);
    }
}

TEST(UucpLockName, IsTheDevicePathBelowDev) {
    EXPECT_EQ(UucpLockName("/dev/ttyUSB0"), "LCK..ttyUSB0");
    EXPECT_EQ(UucpLockName("/dev/pts/3"), "LCK..pts_3");
    EXPECT_EQ(UucpLockName("/srv/ports/ttyX1"), "LCK..ttyX1");
}

} // namespace
