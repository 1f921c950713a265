// Reading a capture in blocks: lines come out as the receive path cuts a receiver's
// bytes, whatever the file holds, and a file that cannot be read says why.
#include "ReplayTestSupport.h"
#include "SystemErrorTexts.h"
#include "TempFolder.h"

#include "replay/CaptureReader.h"

#include <gtest/gtest.h>

namespace {

std::vector<TCapturedLine> ReadAll(TCaptureReader& reader) {
    std::vector<TCapturedLine> lines;
    TCapturedLine line;
    while (reader.Next(line))
        lines.push_back(line);
    return lines;
}

TEST(CaptureReader, CutsLinesAsTheReceivePathDoes) {
    using namespace std::string_literals;
    const std::string longLine(100, 'A');
    struct Expected {
        std::string text;
        bool overLong;
    };
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<Expected> lines;
    };
    const Case cases[] = {
        {"CR LF and LF", "$GPA\r\n$GPB\n", {{"$GPA", false}, {"$GPB", false}}},
        {"NUL bytes dropped", "$GP\0GSV,1\0\r\n"s, {{"$GPGSV,1", false}}},
        {"CR inside a line dropped", "a\rb\r\n", {{"ab", false}}},
        {"binary junk kept as received", "\xff\xfe\x01junk\n", {{"\xff\xfe\x01junk", false}}},
        {"an over-long line", longLine + "\r\n", {{longLine, true}}},
        {"a line without line feeds is cut at the cap",
         std::string(10000, 'z'),
         {{std::string(LineSplitter::kPendingCap, 'z'), true}}},
        {"the last line without its line feed", "$GPA\r\n$GPB", {{"$GPA", false}, {"$GPB", false}}},
        {"empty lines", "\r\n\n", {{"", false}, {"", false}}},
        {"an empty file", "", {}},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        TCaptureReader reader;
        ASSERT_TRUE(reader.Open(folder.Write("capture.log", c.bytes))) << c.what;
        std::vector<TCapturedLine> lines = ReadAll(reader);
        ASSERT_EQ(lines.size(), c.lines.size()) << c.what;
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].Text, c.lines[i].text) << c.what;
            EXPECT_EQ(lines[i].OverLong, c.lines[i].overLong) << c.what;
        }
        EXPECT_FALSE(reader.Failed()) << c.what;
        EXPECT_EQ(reader.BytesRead(), c.bytes.size()) << c.what;
    }
}

TEST(CaptureReader, LinesAcrossBlocksAreWholeWithTheirOffsets) {
    // 40-byte lines: one of them straddles every block boundary.
    std::vector<std::string> lines;
    for (int i = 0; i < 5000; ++i) {
        std::string line = "$LINE," + std::to_string(i);
        lines.push_back(line + std::string(38 - line.size(), 'x'));
    }
    TempFolder folder;
    TCaptureReader reader;
    ASSERT_TRUE(reader.Open(folder.Write("capture.log", CaptureOf(lines))));
    EXPECT_EQ(reader.Size(), 5000u * 40);
    std::vector<TCapturedLine> read = ReadAll(reader);
    ASSERT_EQ(read.size(), lines.size());
    for (size_t i = 0; i < read.size(); ++i) {
        ASSERT_EQ(read[i].Text, lines[i]);
        ASSERT_EQ(read[i].EndOffset, (i + 1) * 40) << i;
    }
}

TEST(CaptureReader, OpenedAgainReadsTheNextFileAsANewReaderWould) {
    // The first file is left with a line pending past its first block and lines unread.
    const std::string unfinished =
        "$GPA\r\n" + std::string(TCaptureReader::kBlockSize, 'x') + "\r\n$GPB\r\n";
    const std::string next = "$GPC\r\n$GPD";
    TempFolder folder;
    TCaptureReader reader;
    ASSERT_TRUE(reader.Open(folder.Write("unfinished.log", unfinished)));
    TCapturedLine line;
    ASSERT_TRUE(reader.Next(line));
    ASSERT_EQ(line.Text, "$GPA");
    ASSERT_TRUE(reader.Open(folder.Write("next.log", next)));
    EXPECT_EQ(reader.Size(), next.size());

    TCaptureReader fresh;
    ASSERT_TRUE(fresh.Open(folder / "next.log"));
    std::vector<TCapturedLine> expected = ReadAll(fresh);
    std::vector<TCapturedLine> read = ReadAll(reader);
    ASSERT_EQ(read.size(), 2u);
    ASSERT_EQ(read.size(), expected.size());
    for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].Text, expected[i].Text);
        EXPECT_EQ(read[i].OverLong, expected[i].OverLong);
        EXPECT_EQ(read[i].EndOffset, expected[i].EndOffset);
    }
    EXPECT_EQ(reader.BytesRead(), next.size());
    EXPECT_FALSE(reader.Failed());
}

TEST(CaptureReader, AFileThatCannotBeOpenedSaysWhy) {
    TempFolder folder;
    const std::string missing = folder / "no-folder/capture.log";
    TCaptureReader reader;
    EXPECT_FALSE(reader.Open(missing));
    EXPECT_TRUE(reader.Failed());
    EXPECT_NE(reader.Error().find(missing), std::string::npos) << reader.Error();
    EXPECT_NE(reader.Error().find(MissingFolderOnOpenErrorText()), std::string::npos)
        << reader.Error();
    TCapturedLine line;
    EXPECT_FALSE(reader.Next(line));
}

} // namespace
