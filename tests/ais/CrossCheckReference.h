// The independent decoder's output for the cross-check: one flat JSON object per line,
// read member by member where the comparison needs one. Files may be gzip-compressed.
#pragma once

#include <zlib.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The lines of a text file, plain or gzip-compressed, without their line feeds.
inline std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    gzFile file = gzopen(path.c_str(), "rb");
    if (file == nullptr)
        return lines;
    std::string line;
    char chunk[4096];
    while (gzgets(file, chunk, sizeof chunk) != nullptr) {
        line += chunk;
        if (line.back() == '\n') {
            line.pop_back();
            lines.push_back(std::move(line));
            line.clear();
        }
    }
    if (!line.empty())
        lines.push_back(line);
    gzclose(file);
    return lines;
}

class ReferenceRecord {
public:
    explicit ReferenceRecord(std::string json) : json_(std::move(json)) {}

    // A member that is a JSON number.
    std::optional<double> Number(std::string_view name) const {
        size_t at = Find(name);
        if (at == std::string::npos || json_[at] == '"')
            return std::nullopt;
        char* end = nullptr;
        double value = std::strtod(json_.c_str() + at, &end);
        if (end == json_.c_str() + at)
            return std::nullopt;
        return value;
    }

    // A member that is a JSON string, its escapes undone (\u00XX as the byte XX).
    std::optional<std::string> Text(std::string_view name) const {
        size_t at = Find(name);
        if (at == std::string::npos || json_[at] != '"')
            return std::nullopt;
        std::string text;
        for (size_t i = at + 1; i < json_.size() && json_[i] != '"'; ++i) {
            if (json_[i] != '\\' || i + 1 >= json_.size()) {
                text += json_[i];
            } else if (json_[++i] == 'u' && i + 4 < json_.size()) {
                text += static_cast<char>(std::strtol(json_.substr(i + 1, 4).c_str(), nullptr, 16));
                i += 4;
            } else {
                text += json_[i];
            }
        }
        return text;
    }

    // The member's text as written, for messages.
    std::string Raw(std::string_view name) const {
        size_t at = Find(name);
        if (at == std::string::npos)
            return "<none>";
        size_t end = json_.find_first_of(",}", json_[at] == '"' ? json_.find('"', at + 1) : at);
        return json_.substr(at, end - at);
    }

private:
    // Where the value of member `name` starts.
    size_t Find(std::string_view name) const {
        std::string key = "\"" + std::string(name) + "\":";
        size_t at = json_.find(key);
        return at == std::string::npos ? at : at + key.size();
    }

    std::string json_;
};

inline std::vector<ReferenceRecord> ReadReference(const std::string& path) {
    std::vector<ReferenceRecord> records;
    for (std::string& line : ReadLines(path))
        records.emplace_back(std::move(line));
    return records;
}
