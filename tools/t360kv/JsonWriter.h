// A JSON text writer for one object per line, into a reused buffer that is written out
// in large blocks. Strings are bytes: anything outside printable ASCII is written as
// \u00XX with the byte's value, so the output is plain ASCII.
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
// the first of its object. It is copied whole, so writing it needs kCapacity bytes.
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

class JsonWriter {
public:
    explicit JsonWriter(std::FILE* out);
    ~JsonWriter();
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }

    // The member name of the value that follows, inside an object.
    void Key(std::string_view name) {
        Reserve(name.size() + 4);
        Separate();
        buffer_[used_++] = '"';
        std::memcpy(buffer_ + used_, name.data(), name.size());
        used_ += name.size();
        buffer_[used_++] = '"';
        buffer_[used_++] = ':';
        afterKey_ = true;
    }

    void Int(int64_t value) {
        Reserve(24);
        Separate();
        used_ = static_cast<size_t>(std::to_chars(buffer_ + used_, buffer_ + kCapacity, value).ptr -
                                    buffer_);
    }

    void Bool(bool value) {
        Reserve(6);
        Separate();
        std::memcpy(buffer_ + used_, value ? "true" : "false", value ? 4 : 5);
        used_ += value ? 4 : 5;
    }

    // See FormatReal.
    void Real(float value) {
        Reserve(kRealText);
        Separate();
        used_ = static_cast<size_t>(FormatReal(buffer_ + used_, value) - buffer_);
    }
    // A value already written as JSON text.
    void Raw(std::string_view json) {
        Reserve(json.size() + 1);
        Separate();
        std::memcpy(buffer_ + used_, json.data(), json.size());
        used_ += json.size();
    }
    void String(std::string_view bytes);
    // Members already written as JSON text ("a":1,"b":2), inside the current object.
    void Members(std::string_view json) {
        Reserve(json.size() + 1);
        if (needsComma_[depth_])
            buffer_[used_++] = ',';
        needsComma_[depth_] = true;
        std::memcpy(buffer_ + used_, json.data(), json.size());
        used_ += json.size();
    }
    // For a value written with json_text: where to write at most `room` bytes, after the
    // separator it needs; EndText takes the end of what was written.
    char* BeginText(size_t room) {
        Reserve(room + 1);
        Separate();
        return buffer_ + used_;
    }
    void EndText(const char* end) { used_ = static_cast<size_t>(end - buffer_); }
    // Ends the current line; the buffer is written out when it is full enough.
    void EndLine();
    // Writes out what is buffered. False when the output failed.
    bool Flush();

private:
    // A value inside an array or at the top level is preceded by a comma when it is not
    // the first; after a key the key has done that.
    void Separate() {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (needsComma_[depth_])
            buffer_[used_++] = ',';
        needsComma_[depth_] = true;
    }
    void Open(char bracket) {
        Reserve(2);
        Separate();
        buffer_[used_++] = bracket;
        needsComma_[++depth_] = false;
    }
    void Close(char bracket) {
        Reserve(1);
        buffer_[used_++] = bracket;
        --depth_;
    }
    void Reserve(size_t length) {
        if (used_ + length > kCapacity)
            Flush();
    }

    std::FILE* out_;
    static constexpr size_t kCapacity = 1 << 20;
    static constexpr size_t kFlushAt = kCapacity - 4096;
    char* buffer_;
    size_t used_ = 0;
    bool failed_ = false;
    // Per nesting level: whether the next value needs a comma before it.
    static constexpr int kMaxDepth = 8;
    bool needsComma_[kMaxDepth] = {};
    int depth_ = 0;
    bool afterKey_ = false;
};
