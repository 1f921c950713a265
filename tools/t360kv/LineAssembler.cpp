#include "LineAssembler.h"

#include <cstring>

void LineAssembler::Feed(const uint8_t* bytes, size_t count) {
    const uint8_t* end = bytes + count;
    while (bytes < end) {
        // Take the run of ordinary characters up to the next LF, CR or NUL in one go.
        const uint8_t* run = bytes;
        while (run < end && *run != '\n' && *run != '\r' && *run != 0)
            ++run;
        size_t runLength = static_cast<size_t>(run - bytes);
        if (length_ < sizeof line_) {
            size_t take = runLength < sizeof line_ - length_ ? runLength : sizeof line_ - length_;
            std::memcpy(line_ + length_, bytes, take);
        }
        length_ += runLength;
        if (run < end && *run == '\n')
            Complete();
        bytes = run < end ? run + 1 : end;
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
