// JSON text of `t360kv decode`: the pieces (keys, numbers, strings, reals) and the buffer
// the lines are gathered in. Strings are bytes: anything outside printable ASCII is
// written as \u00XX with the byte's value, so the output is plain ASCII.
#pragma once

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

// Room FormatReal needs at `out`: the longest text, and the whole of its fixed-size copies.
inline constexpr size_t kRealText = 48;

// Writes the shortest text that reads back as the same single-precision value, in plain
// decimals where that stays short (markers read -100000, not -1e+05); a value that is not
// a finite number is written as null. Returns the end of the text.
char* FormatReal(char* out, float value);

// Pieces of JSON text written straight into a buffer whose room the caller has made sure
// of (see JsonWriter::BeginText); each returns the end of what it wrote.
namespace json_text {

// A member name prepared ahead of time: `"name":`, with the comma before it unless it is
// the first of its object. It is copied whole, so writing it needs kCapacity bytes: a
// copy of its own length instead made decoding AIS captures about 5 % slower.
struct Key {
    static constexpr size_t kCapacity = 32;
    char Text[kCapacity];
    size_t Length;
};
// The key of `name` followed by `suffix`; names are the program's own and short (a
// longer one stops the program, which its tests would show).
Key MakeKey(std::string_view name, std::string_view suffix, bool first);

inline char* Put(char* out, const Key& key) {
    std::memcpy(out, key.Text, Key::kCapacity);
    return out + key.Length;
}
inline char* Put(char* out, std::string_view literal) {
    if (!literal.empty()) // an empty view may have no data at all
        std::memcpy(out, literal.data(), literal.size());
    return out + literal.size();
}
// Room an integer needs.
inline constexpr size_t kIntText = 20;
// Most numbers printed are below 100 (types, flags, counts), so those take a short way.
inline char* PutInt(char* out, int64_t value) {
    if (static_cast<uint64_t>(value) < 10) {
        *out = static_cast<char>('0' + value);
        return out + 1;
    }
    if (static_cast<uint64_t>(value) < 100) {
        out[0] = static_cast<char>('0' + value / 10);
        out[1] = static_cast<char>('0' + value % 10);
        return out + 2;
    }
    return std::to_chars(out, out + kIntText, value).ptr;
}
// A string of `bytes`, escaped as JsonWriter::String does: room for 6 per byte and 2.
char* PutString(char* out, std::string_view bytes);
inline constexpr size_t StringRoom(size_t bytes) {
    return 6 * bytes + 2;
}

} // namespace json_text

// JSON text for one object per line, gathered in a reused buffer that is written out in
// large blocks. The pieces are written with json_text into room asked for first.
class JsonWriter {
public:
    explicit JsonWriter(std::FILE* out);
    ~JsonWriter();
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    // Where to write at most `room` bytes; EndText takes the end of what was written.
    char* BeginText(size_t room) {
        if (used_ + room > kCapacity)
            MakeRoom(room);
        return buffer_ + used_;
    }
    void EndText(const char* end) { used_ = static_cast<size_t>(end - buffer_); }
    // Text already written as JSON.
    void Raw(std::string_view json) { EndText(json_text::Put(BeginText(json.size()), json)); }
    // Ends the current line; the buffer is written out when it is full enough.
    void EndLine();
    // Writes out what is buffered. False when the output failed.
    bool Flush();

    static constexpr size_t kCapacity = 1 << 20;

private:
    // Writes out what is buffered; a room larger than the buffer (the pieces' bounds are
    // a few kilobytes) stops the program rather than write past it.
    void MakeRoom(size_t room);

    static constexpr size_t kFlushAt = kCapacity - 4096;
    std::FILE* out_;
    char* buffer_;
    size_t used_ = 0;
    bool failed_ = false;
};
