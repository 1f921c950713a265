#include "JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstring>

JsonWriter::JsonWriter(std::FILE* out) : out_(out), buffer_(new char[kCapacity]) {}

JsonWriter::~JsonWriter() {
    Flush();
    delete[] buffer_;
}

char* FormatReal(char* out, float value) {
    if (!std::isfinite(value)) {
        std::memcpy(out, "null", 4);
        return out + 4;
    }
    float magnitude = std::fabs(value);
    std::chars_format format = magnitude == 0 || (magnitude >= 1e-5f && magnitude < 1e9f)
                                   ? std::chars_format::fixed
                                   : std::chars_format::general;
    return std::to_chars(out, out + kRealText, value, format).ptr;
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
