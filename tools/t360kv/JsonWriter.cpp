#include "JsonWriter.h"

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

JsonWriter::JsonWriter(std::FILE* out)
    : out_(out), storage_(new char[kCapacity + 1]), buffer_(storage_ + 1), at_(buffer_),
      end_(buffer_ + kCapacity) {
    storage_[0] = '\n';
}

JsonWriter::~JsonWriter() {
    Flush();
    delete[] storage_;
}

void MemberNameTooLong(std::string_view name) {
    std::fprintf(stderr, "member name too long: %.*s\n", static_cast<int>(name.size()),
                 name.data());
    std::abort();
}

namespace {

// The length of the run of bytes from the start that are written as they are: printable
// ASCII but the quote and the backslash.
bool IsPlain(unsigned char byte) {
    return byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\';
}

#if defined(__SSE2__)
// Bit i set where the i-th of the sixteen bytes from `at` is not plain.
uint32_t SpecialBytes(const char* at) {
    const __m128i quote = _mm_set1_epi8('"'), backslash = _mm_set1_epi8('\\');
    const __m128i lastControl = _mm_set1_epi8(0x1F), firstOutside = _mm_set1_epi8(0x7F);
    __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    // Unsigned: a byte is at most 0x1F when the larger of it and 0x1F is 0x1F, at least
    // 0x7F when the larger of it and 0x7F is itself.
    __m128i special =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, quote), _mm_cmpeq_epi8(block, backslash)),
                     _mm_or_si128(_mm_cmpeq_epi8(_mm_max_epu8(block, lastControl), lastControl),
                                  _mm_cmpeq_epi8(_mm_max_epu8(block, firstOutside), block)));
    return static_cast<uint32_t>(_mm_movemask_epi8(special));
}
#endif

// The length of the run of plain bytes from the start. Sixteen bytes looked at at once:
// a byte at a time made decoding AIS captures (names, call signs, destinations) 3 to
// 5 % slower.
size_t PlainRun(std::string_view bytes) {
    size_t at = 0;
#if defined(__SSE2__)
    if (bytes.size() >= 16) {
        for (; at + 16 <= bytes.size(); at += 16)
            if (uint32_t found = SpecialBytes(bytes.data() + at); found != 0)
                return at + static_cast<size_t>(std::countr_zero(found));
        // The last sixteen bytes, without those already looked at.
        size_t last = bytes.size() - 16;
        uint32_t found = SpecialBytes(bytes.data() + last) >> (at - last);
        return found != 0 ? at + static_cast<size_t>(std::countr_zero(found)) : bytes.size();
    }
#endif
    while (at < bytes.size() && IsPlain(static_cast<unsigned char>(bytes[at])))
        ++at;
    return at;
}

// Copies `count` bytes, up to 32, as two blocks that may overlap: fixed-size moves.
void CopyShort(char* to, const char* from, size_t count) {
    if (count >= 16) {
        std::memcpy(to, from, 16);
        std::memcpy(to + count - 16, from + count - 16, 16);
    } else if (count >= 8) {
        std::memcpy(to, from, 8);
        std::memcpy(to + count - 8, from + count - 8, 8);
    } else {
        for (size_t i = 0; i < count; ++i)
            to[i] = from[i];
    }
}

} // namespace

void JsonWriter::String(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    char* out = Room(6 * bytes.size() + 2);
    *out++ = '"';
    size_t plain = PlainRun(bytes);
    if (plain <= 32)
        CopyShort(out, bytes.data(), plain);
    else
        std::memcpy(out, bytes.data(), plain);
    out += plain;
    for (char c : bytes.substr(plain)) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (IsPlain(byte)) {
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
    at_ = out;
}

std::string_view JsonWriter::WrittenSince(size_t mark) const {
    if (mark < flushed_)
        return {};
    return std::string_view(buffer_ + (mark - flushed_), Mark() - mark);
}

void JsonWriter::MakeRoom(size_t room) {
    Flush();
    if (room > kCapacity)
        std::abort();
}

void JsonWriter::EndLine() {
    Punct('\n');
    if (at_ >= buffer_ + kFlushAt)
        Flush();
}

bool JsonWriter::Flush() {
    size_t used = static_cast<size_t>(at_ - buffer_);
    if (used > 0) {
        if (std::fwrite(buffer_, 1, used, out_) != used)
            failed_ = true;
        buffer_[-1] = at_[-1];
        flushed_ += used;
        at_ = buffer_;
    }
    return !failed_ && std::fflush(out_) == 0;
}
