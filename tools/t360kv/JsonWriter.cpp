#include "JsonWriter.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

JsonWriter::JsonWriter(std::FILE* out) : out_(out), buffer_(new char[kCapacity]) {}

JsonWriter::~JsonWriter() {
    Flush();
    delete[] buffer_;
}

namespace json_text {

Key MakeKey(std::string_view name, std::string_view suffix, bool first) {
    Key key{};
    size_t length = (first ? 0 : 1) + name.size() + suffix.size() + 3;
    if (length > Key::kCapacity) {
        std::fprintf(stderr, "member name too long: %.*s\n", static_cast<int>(name.size()),
                     name.data());
        std::abort();
    }
    char* out = key.Text;
    if (!first)
        *out++ = ',';
    *out++ = '"';
    out = Put(out, name);
    out = Put(out, suffix);
    Put(out, "\":");
    key.Length = length;
    return key;
}

char* PutString(char* out, std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
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
    return out;
}

} // namespace json_text

void JsonWriter::String(std::string_view bytes) {
    char* out = BeginText(json_text::StringRoom(bytes.size()));
    EndText(json_text::PutString(out, bytes));
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
