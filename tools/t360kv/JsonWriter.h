// A JSON text writer for one object per line, into a reused buffer that is written out
// in large blocks. Strings are bytes: anything outside printable ASCII is written as
// \u00XX with the byte's value, so the output is plain ASCII.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>

class JsonWriter {
public:
    explicit JsonWriter(std::FILE* out);
    ~JsonWriter();
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The member name of the value that follows, inside an object.
    void Key(std::string_view name);
    void Int(int64_t value);
    // The shortest text that reads back as the same single-precision value; a value that
    // is not a finite number is written as null.
    void Real(float value);
    void Bool(bool value);
    void String(std::string_view bytes);
    // Ends the current line; the buffer is written out when it is full enough.
    void EndLine();
    // Writes out what is buffered. False when the output failed.
    bool Flush();

private:
    void Separate();
    void Append(const char* text, size_t length);
    void Reserve(size_t length);

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
