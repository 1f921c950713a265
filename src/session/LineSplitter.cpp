#include "session/LineSplitter.h"

#include <algorithm>

namespace {

// The first CR or NUL in [begin, end), or `end`.
const char* FindDropped(const char* begin, const char* end) {
    const void* cr = std::memchr(begin, '\r', static_cast<size_t>(end - begin));
    if (cr != nullptr)
        end = static_cast<const char*>(cr);
    const void* nul = std::memchr(begin, '\0', static_cast<size_t>(end - begin));
    return nul != nullptr ? static_cast<const char*>(nul) : end;
}

bool OnlyDropped(const char* begin, const char* end) {
    return std::all_of(begin, end, [](char c) { return c == '\r' || c == '\0'; });
}

} // namespace

std::string_view LineSplitter::Complete(const char* begin, const char* lineFeed) {
    if (length_ == 0) {
        // Most lines arrive whole and end in CR LF: they are handed out where they stand.
        const char* stop = FindDropped(begin, lineFeed);
        if (OnlyDropped(stop, lineFeed))
            return {begin, std::min(static_cast<size_t>(stop - begin), kPendingCap)};
    }
    Keep(begin, lineFeed);
    return TakePending();
}

void LineSplitter::Keep(const char* begin, const char* end) {
    while (begin < end && length_ < kPendingCap) {
        // Only what still fits is looked at.
        const char* limit =
            begin + std::min(static_cast<size_t>(end - begin), kPendingCap - length_);
        const char* stop = FindDropped(begin, limit);
        std::memcpy(pending_ + length_, begin, static_cast<size_t>(stop - begin));
        length_ += static_cast<size_t>(stop - begin);
        begin = stop == limit ? limit : stop + 1;
    }
}

std::string_view LineSplitter::TakePending() {
    std::string_view line(pending_, length_);
    length_ = 0;
    return line;
}
