#include "OutputQueue.h"

#include <algorithm>
#include <cerrno>
#include <sys/uio.h>

namespace {

constexpr size_t kLinesPerWrite = 64;

} // namespace

bool OutputQueue::Push(std::string bytes, std::string validLine) {
    if (!lines_.empty() && bytes_ + bytes.size() > limit_)
        return false;
    bytes_ += bytes.size();
    lines_.push_back({std::move(bytes), std::move(validLine)});
    return true;
}

bool OutputQueue::WriteTo(int fd, const std::function<void(const std::string&)>& sent) {
    while (!lines_.empty()) {
        iovec parts[kLinesPerWrite];
        size_t count = std::min(lines_.size(), kLinesPerWrite);
        for (size_t i = 0; i < count; ++i) {
            size_t skip = i == 0 ? writtenOfFirst_ : 0;
            parts[i].iov_base = lines_[i].Bytes.data() + skip;
            parts[i].iov_len = lines_[i].Bytes.size() - skip;
        }
        ssize_t written = writev(fd, parts, static_cast<int>(count));
        if (written < 0)
            return errno == EAGAIN || errno == EINTR;
        if (written == 0)
            return true;
        auto left = static_cast<size_t>(written);
        bytes_ -= left;
        while (left > 0) {
            size_t rest = lines_.front().Bytes.size() - writtenOfFirst_;
            if (left < rest) {
                writtenOfFirst_ += left;
                break;
            }
            left -= rest;
            if (!lines_.front().Valid.empty())
                sent(lines_.front().Valid);
            lines_.pop_front();
            writtenOfFirst_ = 0;
        }
    }
    return true;
}

void OutputQueue::DropUnstarted() {
    size_t keep = writtenOfFirst_ > 0 ? 1 : 0;
    while (lines_.size() > keep) {
        bytes_ -= lines_.back().Bytes.size();
        lines_.pop_back();
    }
}
