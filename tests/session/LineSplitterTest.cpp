// The line rules for received bytes, as the window, `t360kv decode` and the simulator
// apply them.
#include "session/LineSplitter.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

struct Split {
    Strings lines; // an over-long line reads "long:" and its (cut) text
    std::string pending;
};

// Feeds the chunks, notes what is pending, then finishes the stream.
Split SplitChunks(const Strings& chunks) {
    Split split;
    auto note = [&](std::string_view line, bool overLong) {
        split.lines.push_back((overLong ? "long:" : "") + std::string(line));
    };
    LineSplitter splitter;
    for (const std::string& chunk : chunks)
        splitter.Feed(chunk, note);
    split.pending = std::string(splitter.Pending());
    splitter.Finish(note);
    return split;
}

Strings OneByteAtATime(const Strings& chunks) {
    Strings bytes;
    for (const std::string& chunk : chunks)
        for (char c : chunk)
            bytes.emplace_back(1, c);
    return bytes;
}

TEST(LineSplitter, CutsLinesByTheReceiveRules) {
    const std::string x41(41, 'x'), x82(82, 'x'), x83(83, 'x');
    const std::string z3000(3000, 'z'), z4096(4096, 'z');
    const struct {
        const char* what;
        Strings chunks;
        Strings lines; // after Finish
        std::string pending;
    } cases[] = {
        {"a line in two pieces", {"AB", "C\r\n"}, {"ABC"}, ""},
        {"CR anywhere is dropped", {"A\rB\n"}, {"AB"}, ""},
        {"CR CR LF ends a line like LF", {"A\r\r\n"}, {"A"}, ""},
        {"two lines in one piece, in order", {"A\nB\n"}, {"A", "B"}, ""},
        {"NUL is dropped", {std::string("A\0B\n", 4)}, {"AB"}, ""},
        {"CR and NUL at the ends of pieces",
         {std::string("\r\0A", 3), std::string("\0B\r", 3), "C\n"},
         {"ABC"},
         ""},
        {"LF alone is an empty line", {"\n"}, {""}, ""},
        {"CR LF alone is an empty line", {"\r\n", "\n"}, {"", ""}, ""},
        {"bytes of 128 and above are kept", {"\xB0\xFF\n"}, {"\xB0\xFF"}, ""},
        {"82 characters are not over-long", {x82 + "\n"}, {x82}, ""},
        {"dropped bytes do not count towards the limit",
         {std::string(1, '\0') + x41 + "\r" + x41 + "\r\n"},
         {x82},
         ""},
        {"83 characters are over-long, the next line is not",
         {x83 + "\n", "A\n"},
         {"long:" + x83, "A"},
         ""},
        {"an over-long line across pieces", {x82, "y\r\n"}, {"long:" + x82 + "y"}, ""},
        {"a line longer than the cap is cut to it",
         {z3000 + z3000 + "\r\n"},
         {"long:" + z4096},
         ""},
        {"the cap across pieces, then a whole line",
         {z3000, z3000, "\nok\n"},
         {"long:" + z4096, "ok"},
         ""},
        {"the cap with a CR inside the line",
         {std::string(4000, 'z') + "\r" + std::string(200, 'y') + "\n"},
         {"long:" + std::string(4000, 'z') + std::string(96, 'y')},
         ""},
        {"pending stays within the cap", {z3000 + z3000}, {"long:" + z4096}, z4096},
        {"Finish takes the last line without LF", {"A\nB"}, {"A", "B"}, "B"},
        {"Finish with nothing pending adds no line", {"A\n"}, {"A"}, ""},
        {"Finish with only CR and NUL pending adds no line",
         {std::string("A\n\r\0", 4)},
         {"A"},
         ""},
        {"Finish marks an over-long last line", {x83}, {"long:" + x83}, x83},
        {"no bytes, no line", {""}, {}, ""},
    };
    for (const auto& c : cases) {
        Split split = SplitChunks(c.chunks);
        EXPECT_EQ(split.lines, c.lines) << c.what;
        EXPECT_EQ(split.pending, c.pending) << c.what;
        // Lines whole in one piece are handed out where they stand, lines in pieces
        // from the pending copy: both give the same.
        Split byBytes = SplitChunks(OneByteAtATime(c.chunks));
        EXPECT_EQ(byBytes.lines, c.lines) << c.what << ", one byte at a time";
        EXPECT_EQ(byBytes.pending, c.pending) << c.what << ", one byte at a time";
    }
}

} // namespace
