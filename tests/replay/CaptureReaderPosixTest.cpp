// A capture that changes under the reader or the replay: cut short, removed, or a folder
// in its place. On Windows an open file cannot be removed, so these run on Linux.
#include "ReplayTestSupport.h"
#include "TempFolder.h"

#include "SessionFixture.h"

#include "replay/CaptureReader.h"
#include "replay/LogReplay.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

TEST(CaptureReaderPosix, AFileChangedWhileReadStopsWithAReason) {
    struct Case {
        const char* what;
        std::function<void(const std::string&)> change;
        const char* reason;
    };
    const Case cases[] = {
        {"cut short", [](const std::string& path) { std::filesystem::resize_file(path, 1000); },
         "became shorter while it was read"},
        {"removed", [](const std::string& path) { std::filesystem::remove(path); },
         "No such file or directory"},
    };
    // Three blocks and more of lines.
    std::vector<std::string> lines(6000, kGsv);
    TempFolder folder;
    for (const Case& c : cases) {
        const std::string path = folder.Write("capture.log", CaptureOf(lines));
        TCaptureReader reader;
        ASSERT_TRUE(reader.Open(path)) << c.what;
        TCapturedLine line;
        ASSERT_TRUE(reader.Next(line)) << c.what;
        c.change(path);
        size_t more = 0;
        while (reader.Next(line))
            ++more;
        EXPECT_LT(more, lines.size()) << c.what;
        EXPECT_TRUE(reader.Failed()) << c.what;
        EXPECT_NE(reader.Error().find(path), std::string::npos) << c.what << ": " << reader.Error();
        EXPECT_NE(reader.Error().find(c.reason), std::string::npos)
            << c.what << ": " << reader.Error();
        EXPECT_FALSE(reader.Next(line)) << c.what;
    }
}

TEST(CaptureReaderPosix, AFolderIsNoCapture) {
    TempFolder folder;
    TCaptureReader reader;
    EXPECT_FALSE(reader.Open(folder.Path()));
    EXPECT_NE(reader.Error().find("Is a directory"), std::string::npos) << reader.Error();
}

class LogReplayPosix : public SessionFixture {};

TEST_F(LogReplayPosix, ALogRemovedWhileReplayedEndsTheReplayWithTheReason) {
    std::vector<std::string> lines(6000, kGsv);
    TempFolder folder;
    const std::string path = folder.Write("voyage.log", CaptureOf(lines));
    TLogReplay replay(session);
    replay.SetSpeed(TReplayPacer::kAsFastAsPossible, At(0));
    ASSERT_TRUE(replay.Start(path, At(0)));
    replay.Tick(At(0));
    std::filesystem::remove(path);
    for (int tick = 0; tick < 100 && replay.IsRunning(); ++tick)
        replay.Tick(At(0));
    EXPECT_FALSE(replay.IsRunning());
    EXPECT_LT(observer.lines.size(), lines.size());
    EXPECT_EQ(observer.replayEnds, std::vector<TReplayEnd>{TReplayEnd::Failed});
    ASSERT_EQ(observer.replayReasons.size(), 1u);
    EXPECT_NE(observer.replayReasons[0].find("No such file or directory"), std::string::npos)
        << observer.replayReasons[0];
    EXPECT_EQ(session.State(), TSessionState::Closed);
}

} // namespace
