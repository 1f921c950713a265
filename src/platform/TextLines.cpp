#include "platform/TextLines.h"

#include <algorithm>

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    ForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}
