// The receive path's line rules, for decoding recorded byte streams: LF ends a line, CR
// and NUL are dropped wherever they stand, and a line over 82 characters is discarded.
// The window's receive path applies the same rules to the serial port's bytes.
#pragma once

#include <cstddef>
#include <cstdint>

class LineAssembler {
public:
    static constexpr size_t kMaxLineLength = 82;

    // Called for every completed line, without its LF; `discarded` when it was longer
    // than kMaxLineLength (its text is then cut and must not be used).
    using LineHandler = void (*)(void* context, const char* line, size_t length, bool discarded);

    LineAssembler(LineHandler handler, void* context) : handler_(handler), context_(context) {}

    // Feeds received bytes; lines complete at each LF.
    void Feed(const uint8_t* bytes, size_t count);
    // Ends the stream: a pending line without LF is taken as complete.
    void Finish();

private:
    void Complete();

    LineHandler handler_;
    void* context_;
    // Only the first characters are kept: beyond the limit the line is discarded anyway.
    char line_[kMaxLineLength + 1];
    size_t length_ = 0;
};
