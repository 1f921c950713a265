// Cuts the bytes a receiver sends into lines: a line feed ends a line, CR and NUL bytes
// are dropped wherever they stand, and a line over 82 characters is over-long (it is
// still handed out, for the data log, but the decoders never see it). The line being
// received is kept up to 4096 characters, so that a stream without line feeds cannot
// use up memory; the characters beyond that are dropped.
//
// The window's receive path, `t360kv decode` and the simulator's reading of what the
// tool writes all cut their lines here.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

class LineSplitter {
public:
    // Longest line that is not over-long, not counting its line end.
    static constexpr size_t kMaxLineLength = 82;
    // Longest pending line kept; a longer line is handed out cut to this length.
    static constexpr size_t kPendingCap = 4096;

    // Calls onLine(std::string_view line, bool overLong) for each line that `bytes`
    // completes, in order, without its line end. The view lasts until the call returns.
    // Bytes after the last line feed wait for the next call.
    template <typename OnLine> void Feed(std::string_view bytes, OnLine&& onLine) {
        const char* at = bytes.data();
        const char* end = at + bytes.size();
        while (at < end) {
            const char* lineFeed =
                static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
            if (lineFeed == nullptr) {
                Keep(at, end);
                return;
            }
            std::string_view line = Complete(at, lineFeed);
            onLine(line, line.size() > kMaxLineLength);
            at = lineFeed + 1;
        }
    }

    // Ends the stream: a pending line without its line feed is handed out as complete.
    template <typename OnLine> void Finish(OnLine&& onLine) {
        if (length_ == 0)
            return;
        std::string_view line = TakePending();
        onLine(line, line.size() > kMaxLineLength);
    }

    // The characters received since the last line feed.
    std::string_view Pending() const { return {pending_, length_}; }

    // Forgets the pending line: the splitter then cuts as a newly made one, without
    // making (and clearing) one.
    void Clear() { length_ = 0; }

private:
    // The line that ends at `lineFeed`: what is pending, then [begin, lineFeed).
    std::string_view Complete(const char* begin, const char* lineFeed);
    // Appends [begin, end) without its CR and NUL to the pending line, up to the cap.
    void Keep(const char* begin, const char* end);
    // The pending line, which is empty afterwards (the view stays readable until the
    // next Feed).
    std::string_view TakePending();

    char pending_[kPendingCap];
    size_t length_ = 0;
};
