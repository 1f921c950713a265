// Splitting a file's text into lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Calls `visit` with each line of `text` (a view into it, without its end): lines end in
// LF or CR LF; a last line without an end counts too, and a text that ends with a line
// end has no empty line after it.
template <typename Visit> void ForEachLine(std::string_view text, Visit&& visit) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos)
            end = text.size();
        if (end > start && text[end - 1] == '\r')
            --end;
        visit(text.substr(start, end - start));
        start = next;
    }
}

// The lines of `text`, as ForEachLine cuts them.
std::vector<std::string> SplitLines(const std::string& text);
