#include "view/IniFile.h"

#include "platform/FileSystem.h"
#include "platform/TextLines.h"

#include <algorithm>
#include <string_view>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A view, not a copy: a file is classified line by line at every read.
std::string_view Trim(std::string_view text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

} // namespace

TIniDocument::Line TIniDocument::Classify(size_t at, size_t length) const {
    Line line;
    line.At = at;
    line.Length = length;
    std::string_view text = TextOf(line);
    std::string_view trimmed = Trim(text);
    auto placeOf = [&](std::string_view part) {
        return static_cast<size_t>(part.data() - text_.data());
    };
    if (trimmed.size() >= 2 && trimmed.front() == '[') {
        size_t close = trimmed.find(']');
        if (close != std::string_view::npos) {
            std::string_view name = Trim(trimmed.substr(1, close - 1));
            line.SectionAt = placeOf(name);
            line.SectionLength = name.size();
        }
    } else if (!trimmed.empty() && trimmed.front() != ';') {
        size_t equals = text.find('=');
        if (equals != std::string_view::npos) {
            std::string_view key = Trim(text.substr(0, equals));
            line.KeyAt = placeOf(key);
            line.KeyLength = key.size();
            line.ValueAt = at + equals + 1;
        }
    }
    return line;
}

TIniDocument::Line TIniDocument::Append(std::string_view text) {
    size_t at = text_.size();
    text_.append(text);
    return Classify(at, text.size());
}

std::string_view TIniDocument::TextOf(const Line& line) const {
    return std::string_view(text_).substr(line.At, line.Length);
}

std::string_view TIniDocument::SectionOf(const Line& line) const {
    return std::string_view(text_).substr(line.SectionAt, line.SectionLength);
}

std::string_view TIniDocument::KeyOf(const Line& line) const {
    return std::string_view(text_).substr(line.KeyAt, line.KeyLength);
}

TIniDocument TIniDocument::Parse(std::string_view text) {
    TIniDocument document;
    document.text_ = text;
    document.lines_.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    const std::string_view whole(document.text_);
    ForEachLine(whole, [&](std::string_view line) {
        document.lines_.push_back(
            document.Classify(static_cast<size_t>(line.data() - whole.data()), line.size()));
    });
    return document;
}

TIniDocument TIniDocument::Load(const std::string& path) {
    std::string text;
    if (!ReadWholeFile(path, text))
        return {};
    return Parse(text);
}

long TIniDocument::FindSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (!SectionOf(lines_[i]).empty() && SameName(SectionOf(lines_[i]), section))
            return static_cast<long>(i);
    return -1;
}

std::optional<std::string> TIniDocument::Get(std::string_view section, std::string_view key) const {
    long header = FindSection(section);
    if (header < 0)
        return std::nullopt;
    for (size_t i = static_cast<size_t>(header) + 1; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (!SectionOf(line).empty())
            break;
        if (KeyOf(line).empty() || !SameName(KeyOf(line), key))
            continue;
        std::string value(Trim(
            std::string_view(text_).substr(line.ValueAt, line.At + line.Length - line.ValueAt)));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return value;
    }
    return std::nullopt;
}

void TIniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    Line entry = Append(std::string(key).append("=").append(value));
    long header = FindSection(section);
    if (header < 0) {
        lines_.push_back(Append(std::string("[").append(section).append("]")));
        lines_.push_back(std::move(entry));
        return;
    }
    // After the section's last key line, so that blank lines before the next section stay.
    size_t insertAt = static_cast<size_t>(header) + 1;
    for (size_t i = static_cast<size_t>(header) + 1; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        if (!SectionOf(line).empty())
            break;
        if (KeyOf(line).empty())
            continue;
        if (SameName(KeyOf(line), key)) {
            line = std::move(entry);
            return;
        }
        insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<long>(insertAt), std::move(entry));
}

std::string TIniDocument::Text() const {
    // Sized at once: grown line by line, the text was allocated and copied again at every
    // doubling.
    size_t size = 0;
    for (const Line& line : lines_)
        size += line.Length + 2;
    std::string text;
    text.reserve(size);
    for (const Line& line : lines_)
        text.append(TextOf(line)).append("\r\n");
    return text;
}
