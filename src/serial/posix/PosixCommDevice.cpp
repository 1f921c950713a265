// Linux serial device: a tty opened read/write, non-blocking and exclusive.
#include "serial/CommDevice.h"
#include "serial/CommTypes.h"
#include "serial/PortList.h"
#include "serial/posix/PortHolders.h"
#include "serial/posix/TtyLine.h"
#include "serial/posix/UucpLock.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// How often line status (modem lines, breaks, errors) and a draining output queue are
// looked at: Linux can poll() only for data, the rest is read from the driver's counters.
constexpr int kStatusPollMs = 20;
constexpr uint32_t kLineStatusEvents = kEvCts | kEvDsr | kEvRlsd | kEvRing | kEvBreak | kEvErr;

// State shared by the device and its event waiter, which may outlive the device.
struct SharedState {
    SharedState() : wakeFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
    ~SharedState() {
        if (wakeFd >= 0)
            close(wakeFd);
    }
    void Wake() const {
        uint64_t one = 1;
        if (write(wakeFd, &one, sizeof one) < 0) {
            // The counter is saturated, so a wake-up is pending anyway.
        }
    }

    int wakeFd;
    std::atomic<uint32_t> eventMask{kAllCommEvents};
    std::atomic<uint64_t> bytesRead{0}; // lets the waiter see whether anyone read
    std::atomic<bool> txPending{false}; // written data not yet reported as drained
};

int QueueBytes(int fd, unsigned long request) {
    int n = 0;
    return ioctl(fd, request, &n) == 0 ? n : 0;
}

bool ReadCounters(int fd, serial_icounter_struct& counters) {
    return ioctl(fd, TIOCGICOUNT, &counters) == 0;
}

int PollMs(int fd, short events, int timeoutMs, short& revents) {
    pollfd p{fd, events, 0};
    int n = poll(&p, 1, timeoutMs);
    revents = p.revents;
    return n;
}

class PosixEventWaiter : public TCommEventWaiter {
public:
    PosixEventWaiter(int fd, std::shared_ptr<SharedState> shared)
        : fd_(fd), shared_(std::move(shared)) {
        hasCounters_ = ReadCounters(fd_, counters_);
    }
    ~PosixEventWaiter() override { close(fd_); }

    Result Wait() override {
        for (;;) {
            uint32_t mask = shared_->eventMask.load();
            // Win32 reports a received character once; poll() would report the same unread
            // bytes again and again, so while nobody reads, only growth of the queue counts.
            bool stalled = reportedRx_ && shared_->bytesRead.load() == readAtReport_ &&
                           QueueBytes(fd_, FIONREAD) > 0;
            bool watchStatus = hasCounters_ && (mask & kLineStatusEvents);
            bool watchTx = (mask & kEvTxEmpty) && shared_->txPending.load();
            int timeout = (stalled || watchStatus || watchTx) ? kStatusPollMs : -1;
            int queuedBefore = stalled ? QueueBytes(fd_, FIONREAD) : 0;

            pollfd fds[2] = {
                {fd_, static_cast<short>((mask & kEvRxChar) && !stalled ? POLLIN : 0), 0},
                {shared_->wakeFd, POLLIN, 0}};
            int n = poll(fds, 2, timeout);
            if (n < 0 && errno != EINTR)
                return Result{0, true};
            if (fds[1].revents & POLLIN) {
                uint64_t count;
                if (read(shared_->wakeFd, &count, sizeof count) < 0) {
                    // Another reader drained it; the wake-up still happened.
                }
                return Result{};
            }
            if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL))
                return Result{0, true};

            uint32_t events = 0;
            int queued = QueueBytes(fd_, FIONREAD);
            if ((mask & kEvRxChar) && queued > 0 &&
                ((fds[0].revents & POLLIN) || (stalled && queued > queuedBefore)))
                events |= kEvRxChar;
            if (watchStatus)
                events |= StatusEvents() & mask;
            if (watchTx && QueueBytes(fd_, TIOCOUTQ) == 0) {
                shared_->txPending = false;
                events |= kEvTxEmpty;
            }
            if (events & kEvRxChar) {
                reportedRx_ = true;
                readAtReport_ = shared_->bytesRead.load();
            }
            if (events != 0)
                return Result{events, false};
        }
    }

    void Wake() override { shared_->Wake(); }

private:
    uint32_t StatusEvents() {
        serial_icounter_struct now{};
        if (!ReadCounters(fd_, now))
            return 0;
        uint32_t events = 0;
        if (now.cts != counters_.cts)
            events |= kEvCts;
        if (now.dsr != counters_.dsr)
            events |= kEvDsr;
        if (now.dcd != counters_.dcd)
            events |= kEvRlsd;
        if (now.rng != counters_.rng)
            events |= kEvRing;
        if (now.brk != counters_.brk)
            events |= kEvBreak;
        if (now.frame != counters_.frame || now.overrun != counters_.overrun ||
            now.parity != counters_.parity || now.buf_overrun != counters_.buf_overrun)
            events |= kEvErr;
        counters_ = now;
        return events;
    }

    int fd_;
    std::shared_ptr<SharedState> shared_;
    bool hasCounters_ = false;
    serial_icounter_struct counters_{};
    bool reportedRx_ = false;
    uint64_t readAtReport_ = 0;
};

class PosixCommDevice : public TCommDevice {
public:
    PosixCommDevice(int fd, std::unique_ptr<TUucpLock> lock)
        : fd_(fd), shared_(std::make_shared<SharedState>()), lock_(std::move(lock)) {
        int lines = 0;
        hasModemLines_ = ioctl(fd_, TIOCMGET, &lines) == 0;
        hasCounters_ = ReadCounters(fd_, errorCounters_);
    }

    ~PosixCommDevice() override {
        // The waiter may still hold a duplicate for a moment: give up exclusivity now so
        // that the device can be opened again at once.
        ioctl(fd_, TIOCNXCL);
        flock(fd_, LOCK_UN);
        close(fd_);
        shared_->Wake();
        lock_.reset();
    }

    bool SetTimeouts(uint32_t readTotalMs, uint32_t writeMsPerByte) override {
        readTotalMs_ = readTotalMs;
        writeMsPerByte_ = writeMsPerByte;
        return true;
    }

    // A tty's queues have fixed sizes; there is nothing to request.
    bool SetupQueues(uint32_t, uint32_t) override { return true; }

    bool ApplyLineSettings(const TLineSettings& s) override {
        TTtyLine line;
        line.BaudRate = s.BaudRate;
        line.Parity = s.Parity;
        line.StopBits = s.StopBits;
        line.ByteSize = s.ByteSize;
        line.ParityCheck = s.fParity;
        line.XonChar = s.XonChar;
        line.XoffChar = s.XoffChar;
        int error = SetTtyLine(fd_, line);
        errno = error;
        return error == 0;
    }

    bool SetEventMask(uint32_t mask) override {
        shared_->eventMask = mask;
        shared_->Wake();
        return true;
    }

    int ClearError(TComStat& status) override {
        status.cbInQue = static_cast<uint32_t>(QueueBytes(fd_, FIONREAD));
        status.cbOutQue = static_cast<uint32_t>(QueueBytes(fd_, TIOCOUTQ));
        serial_icounter_struct now{};
        if (!hasCounters_ || !ReadCounters(fd_, now))
            return 0;
        int errors = 0;
        if (now.buf_overrun != errorCounters_.buf_overrun)
            errors |= kCeRxOver;
        if (now.overrun != errorCounters_.overrun)
            errors |= kCeOverrun;
        if (now.parity != errorCounters_.parity)
            errors |= kCeRxParity;
        if (now.frame != errorCounters_.frame)
            errors |= kCeFrame;
        if (now.brk != errorCounters_.brk)
            errors |= kCeBreak;
        errorCounters_ = now;
        return errors;
    }

    int Read(void* buffer, int count) override {
        auto* out = static_cast<char*>(buffer);
        int got = 0;
        auto deadline = Clock::now() + std::chrono::milliseconds(readTotalMs_);
        while (got < count) {
            ssize_t n = read(fd_, out + got, static_cast<size_t>(count - got));
            if (n > 0) {
                got += static_cast<int>(n);
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n == 0 || errno != EAGAIN || !WaitFor(POLLIN, deadline))
                break;
        }
        shared_->bytesRead += static_cast<uint64_t>(got);
        return got;
    }

    int Write(const void* buffer, int count) override {
        const auto* in = static_cast<const char*>(buffer);
        int put = 0;
        auto deadline =
            Clock::now() + std::chrono::milliseconds(static_cast<uint64_t>(writeMsPerByte_) *
                                                     static_cast<uint64_t>(count));
        while (put < count) {
            ssize_t n = write(fd_, in + put, static_cast<size_t>(count - put));
            if (n > 0) {
                put += static_cast<int>(n);
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n == 0 || errno != EAGAIN || !WaitFor(POLLOUT, deadline))
                break;
        }
        if (put > 0) {
            shared_->txPending = true;
            shared_->Wake();
        }
        return put;
    }

    bool Escape(TEscapeFunction function) override {
        if (!hasModemLines_)
            return true; // a pseudo-terminal has no modem lines to raise or drop
        int bit = (function == efSetDtr || function == efClrDtr) ? TIOCM_DTR : TIOCM_RTS;
        bool set = function == efSetDtr || function == efSetRts;
        return ioctl(fd_, set ? TIOCMBIS : TIOCMBIC, &bit) == 0;
    }

    std::unique_ptr<TCommEventWaiter> CreateEventWaiter() override {
        int copy = fcntl(fd_, F_DUPFD_CLOEXEC, 0);
        return std::make_unique<PosixEventWaiter>(copy, shared_);
    }

private:
    bool WaitFor(short events, Clock::time_point deadline) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        short revents = 0;
        int n = PollMs(fd_, events, static_cast<int>(left.count()), revents);
        return n > 0 && !(revents & (POLLHUP | POLLERR | POLLNVAL));
    }

    int fd_;
    std::shared_ptr<SharedState> shared_;
    std::unique_ptr<TUucpLock> lock_; // removed after the device is closed
    bool hasModemLines_ = false;
    bool hasCounters_ = false;
    serial_icounter_struct errorCounters_{};
    uint32_t readTotalMs_ = 1000;
    uint32_t writeMsPerByte_ = 1000;
};

// The device node behind a path (the simulator's link, a /dev/serial/by-id name): the
// lock file and the other openers belong to the node.
std::string DeviceNode(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

// The group whose members may read and write the device ("dialout"), empty when none.
std::string UsersGroupOf(const std::string& devicePath) {
    struct stat info {};
    if (stat(devicePath.c_str(), &info) != 0 ||
        (info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP))
        return {};
    group* entry = getgrgid(info.st_gid);
    return entry != nullptr ? std::string(entry->gr_name) : std::string();
}

std::string OpenFailureReason(int error, const std::string& devicePath, const std::string& holder) {
    switch (error) {
    case EACCES:
    case EPERM: {
        std::string group = UsersGroupOf(devicePath);
        if (group.empty())
            return "Permission denied: this user may not open " + devicePath + ".";
        return "Permission denied: this user may not open " + devicePath + ". Join the " + group +
               " group (sudo usermod -aG " + group + " $USER), then log out and in again.";
    }
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return "No such device: " + devicePath + ".";
    case EBUSY: {
        std::string by = holder;
        if (by.empty()) {
            std::vector<TPortHolder> holders = OtherPortHolders(DeviceNode(devicePath));
            by = holders.empty() ? "another program"
                                 : DescribeProcess(holders.front().Pid, holders.front().Name);
        }
        return "Busy: " + devicePath + " is held by " + by + ".";
    }
    case ENOTTY:
        return "Not a serial device: " + devicePath + ".";
    default:
        return "Cannot open " + devicePath + ": " + std::strerror(error) +
               " (Error: " + std::to_string(error) + ").";
    }
}

std::unique_ptr<TCommDevice> Refuse(TOpenFailure& failure, int error, const std::string& devicePath,
                                    const std::string& holder = {}) {
    failure.Error = error;
    failure.Reason = OpenFailureReason(error, devicePath, holder);
    errno = error;
    return nullptr;
}

} // namespace

std::unique_ptr<TCommDevice> OpenCommDevice(const std::string& path, TOpenFailure& failure) {
    // "\\.\COM<n>" names a port of the port list; other names are device paths.
    std::string devicePath = ResolveDevicePath(path);
    if (devicePath.empty())
        return Refuse(failure, ENOENT, path);
    int fd = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Refuse(failure, errno, devicePath);
    // Not shared: the advisory lock keeps out other openers of this program even when
    // they run as root, TIOCEXCL every other non-root opener; other programs that hold
    // the device, or its lock file, refuse it as well.
    std::string node = DeviceNode(devicePath);
    int error = 0;
    std::string holder;
    TUucpLock::Attempt lock;
    if (!isatty(fd)) {
        error = ENOTTY;
    } else if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error = EBUSY;
    } else if (std::vector<TPortHolder> holders = OtherPortHolders(node); !holders.empty()) {
        error = EBUSY;
        holder = DescribeProcess(holders.front().Pid, holders.front().Name);
    } else if (lock = TUucpLock::Acquire(UucpLockFolder(), node); lock.HolderPid != 0) {
        error = EBUSY;
        holder = DescribeProcess(lock.HolderPid, ProcessName(lock.HolderPid));
    } else {
        ioctl(fd, TIOCEXCL);
        return std::make_unique<PosixCommDevice>(fd, std::move(lock.Lock));
    }
    close(fd);
    return Refuse(failure, error, devicePath, holder);
}
int LastCommError() {
    return errno;
}
