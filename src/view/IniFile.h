// A small INI document in the manner of the Windows profile functions: "[section]"
// lines, "key=value" lines, names compared without regard to ASCII case, values trimmed
// and freed of one pair of enclosing quotes. Bytes are kept as they are, so a file in any
// 8-bit or double-byte code page (Big5, GB2312) reads and writes unchanged. The settings
// file and the language files share it.
#pragma once

#include <optional>
#include <string>
#include <vector>

class TIniDocument {
public:
    // Lines end in LF or CR LF.
    static TIniDocument Parse(const std::string& text);
    // A file that cannot be read gives an empty document, as a missing file does.
    static TIniDocument Load(const std::string& path);

    // The value of the first `key` in the first `section`; none when either is missing.
    std::optional<std::string> Get(const std::string& section, const std::string& key) const;
    // Replaces the value of the first `key` in the first `section`, adding the key at the
    // end of the section, or the section at the end of the document, when missing. Every
    // other line stays as it was.
    void Set(const std::string& section, const std::string& key, const std::string& value);

    // The lines, each followed by CR LF.
    std::string Text() const;

private:
    struct Line {
        std::string Text;
        std::string Section; // "[Section]": the name; otherwise empty
        std::string Key;     // "key=value": the trimmed key; otherwise empty
        size_t ValueAt = 0;  // where the value starts in Text
    };
    static Line Classify(std::string text);
    // Index of the first line of the section's header, or -1.
    long FindSection(const std::string& section) const;

    std::vector<Line> lines_;
};
