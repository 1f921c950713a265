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
    static TIniDocument Parse(const std::string& text);
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
    // The name and key are places in Text, not copies of their own: a document is parsed
    // at every read, and the copies cost more than the reading.
    struct Line {
        std::string Text;
        size_t SectionAt = 0; // "[Section]": where the trimmed name is in Text
        size_t SectionLength = 0;
        size_t KeyAt = 0; // "key=value": where the trimmed key is in Text
        size_t KeyLength = 0;
        size_t ValueAt = 0; // where the value starts in Text

        // Empty when the line is not a section header.
        std::string_view Section() const {
            return std::string_view(Text).substr(SectionAt, SectionLength);
        }
        // Empty when the line is not a key line.
        std::string_view Key() const { return std::string_view(Text).substr(KeyAt, KeyLength); }
    };
    static Line Classify(std::string text);
    // Index of the first line of the section's header, or -1.
    long FindSection(std::string_view section) const;

    std::vector<Line> lines_;
};
