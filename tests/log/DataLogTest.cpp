// The data log's record of lines: Save writes exactly the lines since the last clear,
// however many there are, while memory keeps only the newest for the view.
#include "DataLogFixture.h"
#include "SystemErrorTexts.h"

#include "log/DataLog.h"
#include "log/DataLogPage.h"

#include <gtest/gtest.h>

namespace {

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

TEST(DataLog, LinesWaitInMemoryWhileTheTemporaryFolderTakesNothing) {
    TempFolder files;
    std::string notAFolder = files.Write("plain-file", "");
    struct Case {
        const char* what;
        std::string folder;
    };
    const Case cases[] = {
        {"a folder under a regular file", notAFolder + "/tmp"},
        {"a missing folder", files / "missing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TDataLog log(c.folder);
        std::string lines = Lines(0, 3 * kDataLogSpillBuffer / 80);
        AppendLines(log, lines);
        TDataLogSaveResult saved = log.Save(files / "log.TXT");
        EXPECT_TRUE(saved.Saved) << saved.Error;
        EXPECT_EQ(saved.MissingLines, 0u);
        EXPECT_TRUE(TempFolder::Read(files / "log.TXT") == lines) << "every line, from memory";
    }
}

// Beyond what memory holds, lines are lost: Save writes the others and says how many are
// missing and why.
TEST(DataLog, SaveCountsTheLinesMemoryCouldNotHold) {
    TempFolder files;
    std::string notAFolder = files.Write("plain-file", "");
    TDataLog log(notAFolder + "/tmp");
    const size_t held = kDataLogHeldBytes / 4002;
    const size_t lost = held / 10;
    std::string lines = Lines(0, held + 1 + lost, 4000);
    AppendLines(log, lines);
    EXPECT_EQ(log.LostLines(), lost);

    TDataLogSaveResult saved = log.Save(files / "log.TXT");
    EXPECT_TRUE(saved.Saved);
    EXPECT_EQ(saved.LineCount, held + 1 + lost);
    EXPECT_EQ(saved.MissingLines, lost);
    EXPECT_EQ(saved.LossReason, NotAFolderErrorText());
    EXPECT_TRUE(TempFolder::Read(files / "log.TXT") == Lines(0, held + 1, 4000))
        << "the lines the log kept, oldest first";
    log.Clear();
    EXPECT_EQ(log.LostLines(), 0u);
    EXPECT_EQ(log.Save(files / "log.TXT").MissingLines, 0u);
}

TEST(DataLog, FailedSaveLeavesTheFileAsItWas) {
    DataLogFixture f;
    f.log.Append("line");
    TDataLogSaveResult saved = f.log.Save(f.files / "missing/log.TXT");
    EXPECT_FALSE(saved.Saved);
    EXPECT_EQ(saved.Error, NoSuchFolderErrorText());
    EXPECT_EQ(f.files.EntryCount(), 0u);
}

TEST(DataLogPage, SaveTellsHowManyLinesAreMissingAndWhy) {
    TempFolder files;
    std::string notAFolder = files.Write("plain-file", "");
    TDataLog log(notAFolder + "/tmp");
    const size_t held = kDataLogHeldBytes / 4002 + 1;
    AppendLines(log, Lines(0, held + 7, 4000));
    TSaveLogOutcome outcome = SaveDataLog(log, files / "log.TXT", [] { return true; });
    EXPECT_EQ(outcome.Result, slSaved);
    EXPECT_EQ(outcome.Message, "The log was saved to \"" + files / "log.TXT" + "\", but 7 of the " +
                                   std::to_string(held + 7) +
                                   " lines logged are missing from it: the temporary folder \"" +
                                   notAFolder + "/tmp\" could not hold them (" +
                                   NotAFolderErrorText() + ").");
    log.Clear();
    log.Append("one");
    EXPECT_EQ(SaveDataLog(log, files / "log.TXT", [] { return true; }).Message, "")
        << "a complete file needs no word";
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
    EXPECT_EQ(SaveDataLog(f.log, path, answer(false)).Result, slDeclined);
    EXPECT_EQ(TempFolder::Read(path), "old\r\n");
    EXPECT_EQ(SaveDataLog(f.log, path, answer(true)).Result, slSaved);
    EXPECT_EQ(TempFolder::Read(path), "new\r\n");
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(SaveDataLog(f.log, f.files / "fresh.TXT", answer(false)).Result, slSaved)
        << "no question for a new file";
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(SaveDataLog(f.log, f.files / "missing/x.TXT", answer(true)).Result, slFailed);
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
