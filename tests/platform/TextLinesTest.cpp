// Cutting a file's text into lines, shared by the INI files, the read-me and the XDG
// user folders.
#include "platform/TextLines.h"

#include <gtest/gtest.h>

namespace {

TEST(TextLines, CutsAtLfAndCrLfOnly) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"no text, no line", "", {}},
        {"a last line without an end", "a\r\nb", {"a", "b"}},
        {"no empty line after the last end", "a\nb\r\n", {"a", "b"}},
        {"empty lines kept", "\n\r\n\n", {"", "", ""}},
        {"a CR alone is no end, nor one before other text", "a\rb\r\r\n", {"a\rb\r"}},
        {"NUL bytes are text", std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.what;
        std::vector<std::string> visited;
        ForEachLine(c.text, [&](std::string_view line) { visited.emplace_back(line); });
        EXPECT_EQ(visited, c.lines) << c.what;
    }
}

} // namespace
