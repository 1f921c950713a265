// The data log's record of lines: Save writes exactly the lines since the last clear,
// however many there are, while memory keeps only the newest for the view.
#include "TempFolder.h"

#include "log/DataLog.h"
#include "log/DataLogPage.h"

#include <gtest/gtest.h>

namespace {

struct DataLogFixture {
    TempFolder spill;
    TempFolder files;
    TDataLog log{spill.Path()};

    std::string SaveAndRead() {
        std::string path = files / "log.TXT";
        EXPECT_TRUE(log.Save(path));
        return TempFolder::Read(path);
    }
};

TEST(DataLog, SaveWritesTheLinesWithCrLf) {
    DataLogFixture f;
    f.log.Append("$GPRMC,1");
    f.log.Append("");
    f.log.Append("!AIVDM,3");
    EXPECT_EQ(f.SaveAndRead(), "$GPRMC,1\r\n\r\n!AIVDM,3\r\n");
}

TEST(DataLog, EmptyLogGivesAnEmptyFile) {
    DataLogFixture f;
    EXPECT_EQ(f.SaveAndRead(), "");
    f.log.Append("gone");
    f.log.Clear();
    EXPECT_EQ(f.SaveAndRead(), "");
}

TEST(DataLog, LongLinesAreLoggedWhole) {
    DataLogFixture f;
    std::string line83(83, 'x');
    std::string line100 = "$" + std::string(99, 'y');
    f.log.Append(line83);
    f.log.Append(line100);
    EXPECT_EQ(f.SaveAndRead(), line83 + "\r\n" + line100 + "\r\n");
    EXPECT_EQ(f.log.ViewLines().back(), line100);
}

TEST(DataLog, SaveKeepsLoggingAndClearStartsAfresh) {
    DataLogFixture f;
    f.log.Append("one");
    EXPECT_EQ(f.SaveAndRead(), "one\r\n");
    f.log.Append("two");
    EXPECT_EQ(f.SaveAndRead(), "one\r\ntwo\r\n") << "appending goes on after a save";
    f.log.Clear();
    f.log.Append("three");
    EXPECT_EQ(f.SaveAndRead(), "three\r\n");
    EXPECT_EQ(f.log.ViewLines().size(), 1u);
    EXPECT_EQ(f.log.LineCount(), 1u);
}

TEST(DataLog, EveryLineIsSavedWhileMemoryKeepsTheNewest) {
    DataLogFixture f;
    const size_t count = 3 * kDataLogViewLines;
    std::string expected;
    for (size_t i = 0; i < count; ++i) {
        std::string line = "$GPGSV,line " + std::to_string(i);
        f.log.Append(line);
        expected += line + "\r\n";
    }
    EXPECT_EQ(f.SaveAndRead(), expected);
    ASSERT_EQ(f.log.ViewLines().size(), kDataLogViewLines);
    EXPECT_EQ(f.log.ViewLines().front(),
              "$GPGSV,line " + std::to_string(count - kDataLogViewLines));
    EXPECT_EQ(f.log.ViewLines().back(), "$GPGSV,line " + std::to_string(count - 1));
}

TEST(DataLog, ViewBytesAreBoundedToo) {
    DataLogFixture f;
    const std::string longLine(4096, 'z');
    for (size_t i = 0; i < 2 * kDataLogViewBytes / longLine.size(); ++i)
        f.log.Append(longLine);
    EXPECT_EQ(f.log.ViewLines().size(), kDataLogViewBytes / longLine.size());
    std::string huge(2 * kDataLogViewBytes, 'h');
    f.log.Append(huge);
    ASSERT_EQ(f.log.ViewLines().size(), 1u) << "the newest line stays, however long";
    EXPECT_EQ(f.log.ViewLines().back().size(), huge.size());
}

TEST(DataLog, ViewTakesNewLinesInBatches) {
    DataLogFixture f;
    f.log.Append("a");
    f.log.Append("b");
    TDataLogViewChanges first = f.log.TakeViewChanges();
    EXPECT_FALSE(first.Cleared);
    EXPECT_EQ(first.NewLines, (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(f.log.TakeViewChanges().NewLines.empty());

    f.log.Append("c");
    f.log.Clear();
    f.log.Append("d");
    TDataLogViewChanges afterClear = f.log.TakeViewChanges();
    EXPECT_TRUE(afterClear.Cleared);
    EXPECT_EQ(afterClear.NewLines, (std::vector<std::string>{"d"}));

    for (size_t i = 0; i < kDataLogViewLines + 10; ++i)
        f.log.Append(std::to_string(i));
    TDataLogViewChanges many = f.log.TakeViewChanges();
    ASSERT_EQ(many.NewLines.size(), kDataLogViewLines) << "only what the view could show";
    EXPECT_EQ(many.NewLines.front(), "10");
}

TEST(DataLog, SpillFileLeavesNothingBehind) {
    DataLogFixture f;
    f.log.Append("line");
    EXPECT_EQ(f.spill.EntryCount(), 0u) << "the spill file has no name";
    EXPECT_EQ(f.log.LostLines(), 0u);
}

TEST(DataLog, LinesThatCannotBeSpilledAreCounted) {
    TempFolder files;
    TDataLog log(files / "missing");
    log.Append("one");
    log.Append("two");
    EXPECT_EQ(log.LostLines(), 2u);
    EXPECT_EQ(log.ViewLines().size(), 2u);
    log.Clear();
    EXPECT_EQ(log.LostLines(), 0u);
}

TEST(DataLog, FailedSaveLeavesTheFileAsItWas) {
    DataLogFixture f;
    f.log.Append("line");
    EXPECT_FALSE(f.log.Save(f.files / "missing/log.TXT"));
    EXPECT_EQ(f.files.EntryCount(), 0u);
}

TEST(DataLogPage, ExistingFileIsReplacedOnlyAfterYes) {
    DataLogFixture f;
    f.log.Append("new");
    std::string path = f.files.Write("log.TXT", "old\r\n");
    int questions = 0;
    auto answer = [&questions](bool yes) {
        return [&questions, yes] {
            ++questions;
            return yes;
        };
    };
    EXPECT_EQ(SaveDataLog(f.log, path, answer(false)), slDeclined);
    EXPECT_EQ(TempFolder::Read(path), "old\r\n");
    EXPECT_EQ(SaveDataLog(f.log, path, answer(true)), slSaved);
    EXPECT_EQ(TempFolder::Read(path), "new\r\n");
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(SaveDataLog(f.log, f.files / "fresh.TXT", answer(false)), slSaved)
        << "no question for a new file";
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(SaveDataLog(f.log, f.files / "missing/x.TXT", answer(true)), slFailed);
}

TEST(DataLogPage, CommandIsSentAsTypedWithCrLf) {
    struct Case {
        const char* what;
        std::string typed;
        std::string written;
    };
    const Case cases[] = {
        {"a whole sentence", "$PTST,,,,,17*29", "$PTST,,,,,17*29\r\n"},
        {"an empty line", "", "\r\n"},
        {"blanks kept", " AT+VER ", " AT+VER \r\n"},
    };
    for (const Case& c : cases) {
        std::string written;
        auto send = [&written](const void* bytes, int length) {
            written.assign(static_cast<const char*>(bytes), static_cast<size_t>(length));
            return true;
        };
        EXPECT_TRUE(SendCommand(c.typed, send)) << c.what;
        EXPECT_EQ(written, c.written) << c.what;
    }
    EXPECT_FALSE(SendCommand("$PTST", [](const void*, int) { return false; }));
    EXPECT_STREQ(LogButtonCaption(true), "Stop Log");
    EXPECT_STREQ(LogButtonCaption(false), "Start Log");
}

} // namespace
