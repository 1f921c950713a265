#include "JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstring>

JsonWriter::JsonWriter(std::FILE* out) : out_(out), buffer_(new char[kCapacity]) {}

JsonWriter::~JsonWriter() {
    Flush();
    delete[] buffer_;
}

void JsonWriter::Reserve(size_t length) {
    if (used_ + length > kCapacity)
        Flush();
}

void JsonWriter::Append(const char* text, size_t length) {
    Reserve(length);
    std::memcpy(buffer_ + used_, text, length);
    used_ += length;
}

// A value inside an array or at the top level is preceded by a comma when it is not
// the first; after a key the key has done that.
void JsonWriter::Separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (needsComma_[depth_])
        buffer_[used_++] = ',';
    needsComma_[depth_] = true;
}

void JsonWriter::BeginObject() {
    Reserve(2);
    Separate();
    buffer_[used_++] = '{';
    needsComma_[++depth_] = false;
}

void JsonWriter::EndObject() {
    Reserve(1);
    buffer_[used_++] = '}';
    --depth_;
}

void JsonWriter::BeginArray() {
    Reserve(2);
    Separate();
    buffer_[used_++] = '[';
    needsComma_[++depth_] = false;
}

void JsonWriter::EndArray() {
    Reserve(1);
    buffer_[used_++] = ']';
    --depth_;
}

void JsonWriter::Key(std::string_view name) {
    Reserve(name.size() + 4);
    Separate();
    buffer_[used_++] = '"';
    std::memcpy(buffer_ + used_, name.data(), name.size());
    used_ += name.size();
    buffer_[used_++] = '"';
    buffer_[used_++] = ':';
    afterKey_ = true;
}

void JsonWriter::Int(int64_t value) {
    Reserve(24);
    Separate();
    used_ = static_cast<size_t>(std::to_chars(buffer_ + used_, buffer_ + kCapacity, value).ptr -
                                buffer_);
}

void JsonWriter::Real(float value) {
    Reserve(48);
    Separate();
    if (!std::isfinite(value)) {
        std::memcpy(buffer_ + used_, "null", 4);
        used_ += 4;
        return;
    }
    // Plain decimals where they stay short (markers read -100000, not -1e+05).
    float magnitude = std::fabs(value);
    std::chars_format format = magnitude == 0 || (magnitude >= 1e-5f && magnitude < 1e9f)
                                   ? std::chars_format::fixed
                                   : std::chars_format::general;
    used_ = static_cast<size_t>(
        std::to_chars(buffer_ + used_, buffer_ + kCapacity, value, format).ptr - buffer_);
}

void JsonWriter::Bool(bool value) {
    Reserve(6);
    Separate();
    const char* text = value ? "true" : "false";
    size_t length = value ? 4 : 5;
    std::memcpy(buffer_ + used_, text, length);
    used_ += length;
}

void JsonWriter::String(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    Reserve(bytes.size() * 6 + 3);
    Separate();
    char* out = buffer_ + used_;
    *out++ = '"';
    for (char c : bytes) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            *out++ = c;
        } else if (byte == '"' || byte == '\\') {
            *out++ = '\\';
            *out++ = c;
        } else {
            std::memcpy(out, "\\u00", 4);
            out[4] = kHex[byte >> 4];
            out[5] = kHex[byte & 0x0F];
            out += 6;
        }
    }
    *out++ = '"';
    used_ = static_cast<size_t>(out - buffer_);
}

void JsonWriter::EndLine() {
    Reserve(1);
    buffer_[used_++] = '\n';
    needsComma_[0] = false;
    if (used_ >= kFlushAt)
        Flush();
}

bool JsonWriter::Flush() {
    if (used_ > 0 && std::fwrite(buffer_, 1, used_, out_) != used_)
        failed_ = true;
    used_ = 0;
    return !failed_ && std::fflush(out_) == 0;
}
