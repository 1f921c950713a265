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

TIniDocument::Line TIniDocument::Classify(std::string text) {
    Line line;
    std::string_view trimmed = Trim(text);
    auto at = [&](std::string_view part) { return static_cast<size_t>(part.data() - text.data()); };
    if (trimmed.size() >= 2 && trimmed.front() == '[') {
        size_t close = trimmed.find(']');
        if (close != std::string_view::npos) {
            std::string_view name = Trim(trimmed.substr(1, close - 1));
            line.SectionAt = at(name);
            line.SectionLength = name.size();
        }
    } else if (!trimmed.empty() && trimmed.front() != ';') {
        size_t equals = text.find('=');
        if (equals != std::string::npos) {
            std::string_view key = Trim(std::string_view(text).substr(0, equals));
            line.KeyAt = at(key);
            line.KeyLength = key.size();
            line.ValueAt = equals + 1;
        }
    }
    line.Text = std::move(text);
    return line;
}

TIniDocument TIniDocument::Parse(const std::string& text) {
    TIniDocument document;
    document.lines_.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    ForEachLine(text, [&](std::string_view line) {
        document.lines_.push_back(Classify(std::string(line)));
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
        if (!lines_[i].Section().empty() && SameName(lines_[i].Section(), section))
            return static_cast<long>(i);
    return -1;
}

std::optional<std::string> TIniDocument::Get(std::string_view section, std::string_view key) const {
    long header = FindSection(section);
    if (header < 0)
        return std::nullopt;
    for (size_t i = static_cast<size_t>(header) + 1; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (!line.Section().empty())
            break;
        if (line.Key().empty() || !SameName(line.Key(), key))
            continue;
        std::string value(Trim(std::string_view(line.Text).substr(line.ValueAt)));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return value;
    }
    return std::nullopt;
}

void TIniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    Line entry = Classify(std::string(key).append("=").append(value));
    long header = FindSection(section);
    if (header < 0) {
        lines_.push_back(Classify(std::string("[").append(section).append("]")));
        lines_.push_back(std::move(entry));
        return;
    }
    // After the section's last key line, so that blank lines before the next section stay.
    size_t insertAt = static_cast<size_t>(header) + 1;
    for (size_t i = static_cast<size_t>(header) + 1; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        if (!line.Section().empty())
            break;
        if (line.Key().empty())
            continue;
        if (SameName(line.Key(), key)) {
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
        size += line.Text.size() + 2;
    std::string text;
    text.reserve(size);
    for (const Line& line : lines_)
        text.append(line.Text).append("\r\n");
    return text;
}
