// The window's options for unattended runs: --data-log and --save-log on the command line,
// the termination signals turned into a call on the GUI thread, and the DATA LOG saved
// without a dialog when the window is told to end.
#include "LaunchOptions.h"
#include "SaveLogAtQuit.h"
#include "TempFolder.h"
#include "TerminationSignals.h"
#include "log/DataLog.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct OptionsCase {
    QStringList arguments;
    bool dataLog;
    QString saveLog;
};

TEST(UnattendedLaunchOptions, DataLogAndSaveLogAreReadAlone_AndWithTheOthers) {
    const OptionsCase cases[] = {
        {{"t360kv-gui"}, false, ""},
        {{"t360kv-gui", "--data-log"}, true, ""},
        {{"t360kv-gui", "--save-log", "/tmp/a.TXT"}, false, "/tmp/a.TXT"},
        {{"t360kv-gui", "--port", "ttySIM0", "--connect", "--data-log", "--page", "gps-status",
          "--save-log=log.TXT"},
         true,
         "log.TXT"},
    };
    for (const OptionsCase& entry : cases) {
        const LaunchOptions options = ParseLaunchOptions(entry.arguments);
        SCOPED_TRACE(entry.arguments.join(' ').toStdString());
        EXPECT_EQ(options.dataLog, entry.dataLog);
        EXPECT_EQ(options.saveLog, entry.saveLog);
    }
    const LaunchOptions all = ParseLaunchOptions(
        {"t360kv-gui", "--port", "ttySIM0", "--connect", "--data-log", "--page", "gps-status"});
    EXPECT_EQ(all.port, "ttySIM0");
    EXPECT_TRUE(all.connect);
    EXPECT_EQ(all.page, pgGpsStatus);
}

bool ProcessEventsUntil(const std::function<bool()>& done) {
    QDeadlineTimer deadline(10000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

TEST(TerminationSignalsTest, EachSignalBecomesACallOnTheEventLoop_UntilDestroyed) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        int calls = 0;
        {
            TerminationSignals watch([&calls] { ++calls; });
            ASSERT_EQ(raise(signal), 0);
            // Nothing runs inside the signal handler: the call waits for the loop.
            EXPECT_EQ(calls, 0);
            EXPECT_TRUE(ProcessEventsUntil([&calls] { return calls == 1; })) << signal;
        }
        // The signal's old disposition is back.
        struct sigaction now = {};
        sigaction(signal, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << signal;
    }
}

class SaveLogAtQuitTest : public testing::Test {
protected:
    TempFolder folder_;
    TDataLog log_{folder_.Path()};
};

TEST_F(SaveLogAtQuitTest, EveryLineIsSaved_ReplacingAFileOfThatName) {
    const std::string path = folder_ / "soak.TXT";
    std::ofstream(path) << "older content\r\n";
    log_.Append("$GPGGA,1");
    log_.Append("!AIVDM,2");
    EXPECT_EQ(SaveLogAtQuit(log_, path), 0);
    EXPECT_EQ(ReadFile(path), "$GPGGA,1\r\n!AIVDM,2\r\n");
}

TEST_F(SaveLogAtQuitTest, AFileThatCannotBeWrittenIsAFailure) {
    const std::string path = folder_ / "missing-folder/soak.TXT";
    log_.Append("$GPGGA,1");
    testing::internal::CaptureStderr();
    EXPECT_EQ(SaveLogAtQuit(log_, path), 1);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Cannot create file"), std::string::npos);
}

TEST_F(SaveLogAtQuitTest, LinesTheLogLostMakeTheSaveAFailure) {
    TDataLog lossy(folder_.Path(), [](const std::string&, std::string& reason) -> std::FILE* {
        reason = "No space left on device";
        return nullptr;
    });
    // More than the log holds in memory while its spill file cannot be made.
    const std::string line(1000, 'x');
    for (size_t bytes = 0; bytes <= kDataLogHeldBytes + 2 * line.size(); bytes += line.size() + 2)
        lossy.Append(line);
    ASSERT_GT(lossy.LostLines(), 0u);
    testing::internal::CaptureStderr();
    EXPECT_EQ(SaveLogAtQuit(lossy, folder_ / "soak.TXT"), 1);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("are missing from it"),
              std::string::npos);
}

} // namespace
