// What the simulated receiver has said but the port has not yet taken. Bounded: while
// no one reads the port the queue fills up, and then new lines are dropped whole; a line
// is never cut in the middle.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>

class OutputQueue {
public:
    static constexpr size_t kDefaultLimit = 64 * 1024;

    explicit OutputQueue(size_t limit = kDefaultLimit) : limit_(limit) {}

    // Queues the bytes of one line (line end included). `validLine` is the line as it is
    // meant, without line end, or empty for noise. A line that does not fit is dropped
    // (false); a line larger than the whole limit fits only into an empty queue.
    bool Push(std::string bytes, std::string validLine = {});

    // Writes to the non-blocking `fd` as much as it takes and calls `sent` with every
    // valid line whose last byte has gone out. False on a write error other than a full
    // port.
    bool WriteTo(int fd, const std::function<void(const std::string&)>& sent);

    // Forgets every line not yet begun; the one being written is finished.
    void DropUnstarted();

    bool Empty() const { return lines_.empty(); }
    size_t Bytes() const { return bytes_; }

private:
    struct Line {
        std::string Bytes;
        std::string Valid;
    };

    size_t limit_;
    std::deque<Line> lines_;
    size_t bytes_ = 0; // queued, the part of the first line already written excluded
    size_t writtenOfFirst_ = 0;
};
