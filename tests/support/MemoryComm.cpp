#include "MemoryComm.h"

#include <algorithm>
#include <cstring>

void MemoryLine::Receive(const std::string& bytes, bool quiet) {
    std::lock_guard<std::mutex> guard(mutex);
    if (inputPos == input.size()) {
        input.clear();
        inputPos = 0;
    }
    input += bytes;
    if (!quiet)
        events.push_back(kEvRxChar);
    changed.notify_all();
}

void MemoryLine::RaiseEvents(uint32_t mask) {
    std::lock_guard<std::mutex> guard(mutex);
    events.push_back(mask);
    changed.notify_all();
}

void MemoryLine::LoseDevice() {
    std::lock_guard<std::mutex> guard(mutex);
    lost = true;
    changed.notify_all();
}

std::string MemoryLine::Written() {
    std::lock_guard<std::mutex> guard(mutex);
    return written;
}

namespace {

class MemoryWaiter : public TCommEventWaiter {
public:
    explicit MemoryWaiter(std::shared_ptr<MemoryLine> line) : line_(std::move(line)) {}
    Result Wait() override {
        std::unique_lock<std::mutex> lock(line_->mutex);
        line_->changed.wait(lock,
                            [&] { return line_->woken || line_->lost || !line_->events.empty(); });
        if (line_->woken) {
            line_->woken = false;
            return Result{};
        }
        if (line_->events.empty())
            return Result{0, true};
        uint32_t mask = line_->events.front();
        line_->events.pop_front();
        return Result{mask, false};
    }
    void Wake() override {
        std::lock_guard<std::mutex> guard(line_->mutex);
        line_->woken = true;
        line_->changed.notify_all();
    }

private:
    std::shared_ptr<MemoryLine> line_;
};

class MemoryDevice : public TCommDevice {
public:
    explicit MemoryDevice(std::shared_ptr<MemoryLine> line) : line_(std::move(line)) {}
    bool SetTimeouts(uint32_t, uint32_t) override { return true; }
    bool SetupQueues(uint32_t, uint32_t) override { return true; }
    bool ApplyLineSettings(const TLineSettings& settings) override {
        std::lock_guard<std::mutex> guard(line_->mutex);
        line_->applied.push_back(settings);
        return true;
    }
    bool SetEventMask(uint32_t mask) override {
        std::lock_guard<std::mutex> guard(line_->mutex);
        line_->eventMask = mask;
        return true;
    }
    int ClearError(TComStat& status) override {
        std::lock_guard<std::mutex> guard(line_->mutex);
        status.cbInQue = static_cast<uint32_t>(line_->input.size() - line_->inputPos);
        status.cbOutQue = 0;
        int errors = line_->lineErrors;
        line_->lineErrors = 0;
        return errors;
    }
    int Read(void* buffer, int count) override {
        std::lock_guard<std::mutex> guard(line_->mutex);
        size_t n = std::min(static_cast<size_t>(count), line_->input.size() - line_->inputPos);
        std::memcpy(buffer, line_->input.data() + line_->inputPos, n);
        line_->inputPos += n;
        return static_cast<int>(n);
    }
    int Write(const void* buffer, int count) override {
        std::lock_guard<std::mutex> guard(line_->mutex);
        if (line_->writeFails)
            return -1;
        if (line_->failNextWrites > 0) {
            --line_->failNextWrites;
            return -1;
        }
        line_->written.append(static_cast<const char*>(buffer), static_cast<size_t>(count));
        return count;
    }
    bool Escape(TEscapeFunction) override { return true; }
    std::unique_ptr<TCommEventWaiter> CreateEventWaiter() override {
        return std::make_unique<MemoryWaiter>(line_);
    }

private:
    std::shared_ptr<MemoryLine> line_;
};

} // namespace

bool TMemoryComm::CreateHandle() {
    if (failOpen) {
        openFailure_ = failure;
        return false;
    }
    device_ = std::make_unique<MemoryDevice>(line);
    return true;
}
