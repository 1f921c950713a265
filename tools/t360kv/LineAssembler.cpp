#include "LineAssembler.h"

#include <algorithm>
#include <cstring>

namespace {

// Removes CR and NUL from the `count` characters at `text`; returns how many are left.
// Only the part from the first one on is filtered (for a CR LF line: its last character).
size_t DropCrAndNul(char* text, size_t count) {
    const char* cr = static_cast<const char*>(std::memchr(text, '\r', count));
    const char* nul = static_cast<const char*>(std::memchr(text, '\0', count));
    const char* first = cr == nullptr ? nul : nul == nullptr ? cr : std::min(cr, nul);
    if (first == nullptr)
        return count;
    size_t kept = static_cast<size_t>(first - text);
    for (size_t i = kept; i < count; ++i)
        if (text[i] != '\r' && text[i] != '\0')
            text[kept++] = text[i];
    return kept;
}

} // namespace

void LineAssembler::Feed(const uint8_t* bytes, size_t count) {
    const uint8_t* end = bytes + count;
    while (bytes < end) {
        const uint8_t* lineFeed =
            static_cast<const uint8_t*>(std::memchr(bytes, '\n', static_cast<size_t>(end - bytes)));
        const uint8_t* stop = lineFeed != nullptr ? lineFeed : end;
        // Keep characters while they fit (one past the limit marks the line as too long);
        // beyond that only count them.
        while (bytes < stop && length_ < sizeof line_) {
            size_t take = std::min(static_cast<size_t>(stop - bytes), sizeof line_ - length_);
            std::memcpy(line_ + length_, bytes, take);
            length_ += DropCrAndNul(line_ + length_, take);
            bytes += take;
        }
        for (; bytes < stop; ++bytes)
            length_ += *bytes != '\r' && *bytes != 0;
        if (lineFeed == nullptr)
            return;
        Complete();
        bytes = lineFeed + 1;
    }
}

void LineAssembler::Finish() {
    if (length_ > 0)
        Complete();
}

void LineAssembler::Complete() {
    bool discarded = length_ > kMaxLineLength;
    handler_(context_, line_, discarded ? sizeof line_ : length_, discarded);
    length_ = 0;
}
