// JSON text of `t360kv decode`, appended piece by piece (member names, numbers, strings,
// reals) to a buffer that is written out in large blocks. Strings are bytes: anything
// outside printable ASCII is written as \u00XX with the byte's value, so the output is
// plain ASCII.
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

[[noreturn]] void MemberNameTooLong(std::string_view name);

// A member name prepared ahead of time as `,"name":`; the comma is left out where the
// name is the first of its object. Names are the program's own and short: a longer one
// stops the program (or its build, for a name known when compiling).
class JsonKey {
public:
    // The room a key is copied into whole: copying only its own length made decoding
    // AIS captures about 5 % slower.
    static constexpr size_t kCopied = 32;

    constexpr JsonKey() = default;
    constexpr explicit JsonKey(std::string_view name, std::string_view suffix = {}) {
        size_t length = name.size() + suffix.size() + 4;
        if (length > kCopied)
            MemberNameTooLong(name);
        char* out = text_;
        *out++ = ',';
        *out++ = '"';
        for (char c : name)
            *out++ = c;
        for (char c : suffix)
            *out++ = c;
        *out++ = '"';
        *out = ':';
        length_ = static_cast<uint8_t>(length);
    }

private:
    friend class JsonWriter;
    char text_[kCopied + 1] = {}; // one more, for the copy that starts after the comma
    uint8_t length_ = 0;
};

class JsonWriter {
public:
    explicit JsonWriter(std::FILE* out);
    ~JsonWriter();
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    // A member's name, after a comma unless it opens its object.
    void Key(const JsonKey& key) {
        char* out = Room(JsonKey::kCopied);
        size_t first = out[-1] == '{' ? 1 : 0;
        std::memcpy(out, key.text_ + first, JsonKey::kCopied);
        at_ = out + key.length_ - first;
    }
    void Int(int64_t value) {
        char* out = Room(kIntText);
        // Most numbers printed are below 100 (types, flags, counts): a short way for those
        // makes decoding the captures about 1 % faster than to_chars alone.
        if (static_cast<uint64_t>(value) < 10) {
            *out = static_cast<char>('0' + value);
            at_ = out + 1;
        } else if (static_cast<uint64_t>(value) < 100) {
            out[0] = static_cast<char>('0' + value / 10);
            out[1] = static_cast<char>('0' + value % 10);
            at_ = out + 2;
        } else {
            at_ = std::to_chars(out, out + kIntText, value).ptr;
        }
    }
    void Real(float value) { at_ = FormatReal(Room(kRealText), value); }
    void String(std::string_view bytes);
    void Bool(bool value) { Raw(value ? "true" : "false"); }
    // One character of the text's own: a bracket or a comma.
    void Punct(char c) {
        char* out = Room(1);
        *out = c;
        at_ = out + 1;
    }
    // Text already written as JSON.
    void Raw(std::string_view json) {
        char* out = Room(json.size());
        if (!json.empty()) // an empty view may have no data at all
            std::memcpy(out, json.data(), json.size());
        at_ = out + json.size();
    }

    // How much has been written so far, for WrittenSince.
    size_t Mark() const { return flushed_ + static_cast<size_t>(at_ - buffer_); }
    // The text written since `mark`; empty when part of it has been written out already.
    std::string_view WrittenSince(size_t mark) const;

    // Ends the current line; the buffer is written out when it is full enough.
    void EndLine();
    // Writes out what is buffered. False when the output failed.
    bool Flush();

    static constexpr size_t kCapacity = 1 << 20;

private:
    static constexpr size_t kIntText = 20;

    // Where to write at most `room` bytes.
    char* Room(size_t room) {
        if (room > static_cast<size_t>(end_ - at_)) [[unlikely]]
            MakeRoom(room);
        return at_;
    }
    // Writes out what is buffered; a room larger than the buffer (a piece takes at most
    // a few kilobytes) stops the program rather than write past it.
    void MakeRoom(size_t room);

    static constexpr size_t kFlushAt = kCapacity - 4096;
    std::FILE* out_;
    char* storage_;
    char* buffer_; // after one byte kept from the last block, that Key looks back at
    char* at_;
    char* end_;
    size_t flushed_ = 0;
    bool failed_ = false;
};
