// A small INI document in the manner of the Windows profile functions: "[section]"
// lines, "key=value" lines, names compared without regard to ASCII case, values trimmed
// and freed of one pair of enclosing quotes. Bytes are kept as they are, so a file in any
// 8-bit or double-byte code page (Big5, GB2312) reads and writes unchanged. The settings
// file and the language files share it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TIniDocument {
public:
    // Lines end in LF or CR LF.
    static TIniDocument Parse(std::string_view text);
    // A file that cannot be read gives an empty document, as a missing file does.
    static TIniDocument Load(const std::string& path);

    // The value of the first `key` in the first `section`; none when either is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Replaces the value of the first `key` in the first `section`, adding the key at the
    // end of the section, or the section at the end of the document, when missing. Every
    // other line stays as it was.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The lines, each followed by CR LF.
    std::string Text() const;

private:
    // A line is a place in text_, and so are its section name and key: a document is
    // parsed at every read, and a copy of each line cost more than the reading.
    struct Line {
        size_t At = 0; // where the line starts in text_
        size_t Length = 0;
        size_t SectionAt = 0; // "[Section]": where the trimmed name is in text_
        size_t SectionLength = 0;
        size_t KeyAt = 0; // "key=value": where the trimmed key is in text_
        size_t KeyLength = 0;
        size_t ValueAt = 0; // where the value starts in text_
    };
    // The line that stands at `at` in text_, `length` characters long.
    Line Classify(size_t at, size_t length) const;
    // `text` added to text_ as a line of its own.
    Line Append(std::string_view text);
    std::string_view TextOf(const Line& line) const;
    // Empty when the line is not a section header.
    std::string_view SectionOf(const Line& line) const;
    // Empty when the line is not a key line.
    std::string_view KeyOf(const Line& line) const;
    // Index of the first line of the section's header, or -1.
    long FindSection(std::string_view section) const;

    // The text read, then the lines Set wrote; a line replaced stays there unused.
    std::string text_;
    std::vector<Line> lines_;
};
