// The DATA LOG page through the controller: the log switch, the lines the receive path
// logs, Clear, Save with its questions, and the command line.
#include "ControllerHarness.h"
#include "SystemErrorTexts.h"
#include "TempFolder.h"
#include "TemporaryFolderOverride.h"

#include "log/DataLog.h"

#include <gtest/gtest.h>

namespace {

struct DataLogWindow : testing::Test {
    DataLogWindow() { h.Connect(); }
    const std::vector<std::string>& View() { return h.view.lists[TControl::MemoDataLog]; }
    // Saves through the dialog, which "chooses" `name` in the test's folder.
    std::string Save(const std::string& name) {
        h.view.saveFileAnswer = folder / name;
        h.app->DataLog().SaveClicked();
        return folder / name;
    }

    ControllerHarness h;
    TempFolder folder;
};

TEST_F(DataLogWindow, LogsOnlyWhileSwitchedOnAndSavesThoseLinesWithCrLf) {
    h.Receive("$GPGLL,before\r\n");
    h.app->DataLog().LogSwitchClicked();
    EXPECT_TRUE(h.view.checked[TControl::spbtnEnableLog]);
    EXPECT_EQ(h.view.texts[TControl::spbtnEnableLog], "Stop Log");
    h.Receive("one\r\n$GPGLL,two\r\nthree\n");
    h.app->DataLog().LogSwitchClicked();
    EXPECT_FALSE(h.view.checked[TControl::spbtnEnableLog]);
    EXPECT_EQ(h.view.texts[TControl::spbtnEnableLog], "Start Log");
    h.Receive("$GPGLL,after\r\n");

    EXPECT_EQ(View(), (std::vector<std::string>{"one", "$GPGLL,two", "three"}));
    std::string path = Save("log");
    ASSERT_EQ(h.view.saveRequests.size(), 1u);
    EXPECT_EQ(h.view.saveRequests[0].Filter, "Data Log File (*.TXT)|*.TXT");
    EXPECT_EQ(h.view.saveRequests[0].DefaultExt, "TXT");
    EXPECT_EQ(h.view.saveRequests[0].FileName, "");
    EXPECT_EQ(TempFolder::Read(path + ".TXT"), "one\r\n$GPGLL,two\r\nthree\r\n");
    // The dialog proposes the name chosen last.
    h.view.saveFileAnswer.reset();
    h.app->DataLog().SaveClicked();
    EXPECT_EQ(h.view.saveRequests.back().FileName, path + ".TXT");
}

TEST_F(DataLogWindow, LogsLinesTheDecodersDropWhole) {
    const std::string x83(83, 'x');
    const std::string x100(100, 'y');
    h.app->DataLog().LogSwitchClicked();
    h.Receive(x83 + "\r\n" + x100 + "\r\n");
    EXPECT_EQ(View(), (std::vector<std::string>{x83, x100}));
    EXPECT_EQ(TempFolder::Read(Save("long.txt")), x83 + "\r\n" + x100 + "\r\n");
}

TEST_F(DataLogWindow, ExistingFileIsReplacedOnlyAfterYes) {
    struct Case {
        const char* what;
        TMessageAnswer answer;
        const char* content;
    };
    const Case cases[] = {
        {"No leaves the file", TMessageAnswer::No, "old content"},
        {"Yes replaces it", TMessageAnswer::Yes, "line\r\n"},
    };
    h.app->DataLog().LogSwitchClicked();
    h.Receive("line\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string path = folder.Write("old.TXT", "old content");
        h.view.messages.clear();
        h.view.messageBoxAnswers = {c.answer};
        Save("old.TXT");
        EXPECT_EQ(h.view.messages, (std::vector<std::string>{
                                       "WARNING: File already exists. Do you want to overwrite?"}));
        EXPECT_EQ(TempFolder::Read(path), c.content);
    }
}

TEST_F(DataLogWindow, CancelledDialogWritesNothing) {
    h.app->DataLog().LogSwitchClicked();
    h.Receive("line\r\n");
    h.app->DataLog().SaveClicked();
    EXPECT_EQ(folder.EntryCount(), 0u);
}

TEST_F(DataLogWindow, ClearAsksAndOnlyOkEmptiesTheLog) {
    h.app->DataLog().LogSwitchClicked();
    h.Receive("kept\r\n");
    h.view.messageBoxAnswers = {TMessageAnswer::Cancel};
    h.app->DataLog().ClearClicked();
    EXPECT_EQ(h.view.messages.back(), "Warning: Are you sure to clear log?");
    EXPECT_EQ(View(), std::vector<std::string>{"kept"});

    h.view.messageBoxAnswers = {TMessageAnswer::Ok};
    h.app->DataLog().ClearClicked();
    EXPECT_TRUE(View().empty());
    h.Receive("new\r\n");
    EXPECT_EQ(View(), std::vector<std::string>{"new"});
    EXPECT_EQ(TempFolder::Read(Save("after.TXT")), "new\r\n");
}

// A burst longer than the log keeps in memory: the view ends with its newest line, and
// Save still writes every line.
TEST_F(DataLogWindow, SaveKeepsEveryLineOfABurstLongerThanTheView) {
    h.app->DataLog().LogSwitchClicked();
    std::string burst;
    const size_t lines = kDataLogViewLines + 100;
    for (size_t i = 0; i < lines; ++i)
        burst += "$GPTXT," + std::to_string(i) + "\r\n";
    h.Receive(burst);
    EXPECT_EQ(View().back(), "$GPTXT," + std::to_string(lines - 1));
    EXPECT_EQ(TempFolder::Read(Save("all.TXT")), burst);
}

TEST_F(DataLogWindow, FailedSaveSaysWhyWithTheErrorIcon) {
    h.app->DataLog().LogSwitchClicked();
    h.Receive("line\r\n");
    h.view.messages.clear();
    h.view.messageIcons.clear();
    std::string path = Save("missing/log.TXT");
    EXPECT_EQ(h.view.messages,
              std::vector<std::string>{std::string(kApplicationTitle) + ": Cannot create file \"" +
                                       path + "\": " + NoSuchFolderErrorText() +
                                       ". Nothing was saved; a file of that name is left as it "
                                       "was."});
    EXPECT_EQ(h.view.messageIcons, std::vector<TMessageIcon>{TMessageIcon::Error});
}

// The temporary folder is a path under a regular file: the log holds what it can in
// memory, and Save says how many lines the file lacks.
TEST(DataLogWindowWithoutTemporaryFolder, SaveWarnsOfTheMissingLines) {
    TempFolder folder;
    folder.Write("plain-file", "");
    std::string notAFolder = folder / "plain-file/tmp";
    TemporaryFolderOverride temporary(notAFolder);
    ControllerHarness h;

    h.Connect();
    h.app->DataLog().LogSwitchClicked();
    const std::string line(4000, 'x');
    const size_t lines = kDataLogHeldBytes / (line.size() + 2) + 1 + 3;
    std::string received;
    for (size_t i = 0; i < lines; ++i)
        received += line + "\r\n";
    h.Receive(received);
    h.view.saveFileAnswer = folder / "log.TXT";
    h.app->DataLog().SaveClicked();
    EXPECT_EQ(h.view.messages.back(),
              std::string(kApplicationTitle) + ": The log was saved to \"" + folder / "log.TXT" +
                  "\", but 3 of the " + std::to_string(lines) +
                  " lines logged are missing from it: the temporary folder \"" + notAFolder +
                  "\" could not hold them (" + NotAFolderErrorText() + ").");
    EXPECT_EQ(h.view.messageIcons.back(), TMessageIcon::Warning);
    EXPECT_EQ(TempFolder::Read(folder / "log.TXT").size(), (lines - 3) * (line.size() + 2));
}

TEST_F(DataLogWindow, SendCommandWritesTheTypedTextWithCrLf) {
    struct Case {
        const char* typed;
        const char* written;
    };
    const Case cases[] = {
        {"$PTST,,,,,17*29", "$PTST,,,,,17*29\r\n"},
        {"", "\r\n"},
        {" AT ", " AT \r\n"},
    };
    h.TakeWritten();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        h.view.texts[TControl::LabeledEditCommandText] = c.typed;
        h.app->DataLog().SendCommandClicked();
        EXPECT_EQ(h.TakeWritten(), c.written);
    }
    EXPECT_TRUE(h.view.messages.empty());
}

TEST(DataLogWindowDisconnected, SendCommandReportsTheError) {
    ControllerHarness h;
    h.view.texts[TControl::LabeledEditCommandText] = "$PTST,,,,,17*29";
    h.app->DataLog().SendCommandClicked();
    EXPECT_EQ(h.view.messages, std::vector<std::string>{"error: Send message error"});
    EXPECT_EQ(h.view.messageIcons, std::vector<TMessageIcon>{TMessageIcon::Error});
    EXPECT_EQ(h.TakeWritten(), "");
}

TEST(DataLogReceive, SeesEveryCompletedLineWhileRecording) {
    ControllerHarness h;
    h.Connect();
    h.Receive("before\n");
    h.app->DataLog().LogSwitchClicked();
    const std::string x83(83, 'x');
    h.Receive("one\r\n" + x83 + "\n\n");
    EXPECT_EQ(h.view.lists[TControl::MemoDataLog], (std::vector<std::string>{"one", x83, ""}));
}

} // namespace
