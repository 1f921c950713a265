// The pace of a replay: by the log's own times at each speed, at the link's nominal pace
// without times, bounded per tick; pause, resume, stop, speed changes and the end.
#include "ReplayTestSupport.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Two lines a second for three seconds: RMC and GSV at 12:00:00, :01 and :02.
std::vector<std::string> ThreeSeconds() {
    return {Rmc("120000"), kGsv, Rmc("120001"), kGsv, Rmc("120002"), kGsv};
}

class ReplayPacerTest : public ::testing::Test {
protected:
    void Start(const std::string& bytes, double speed = 1) {
        pacer.SetSpeed(speed, At(0));
        ASSERT_TRUE(pacer.Start(folder.Write("capture.nmea", bytes), At(0)));
    }
    // How many lines have been handed over after a tick at `seconds`.
    size_t TickAt(double seconds) {
        pacer.Tick(At(seconds), target);
        return target.lines.size();
    }

    TempFolder folder;
    TReplayPacer pacer;
    RecordingTarget target;
};

TEST_F(ReplayPacerTest, LinesGoOutAsTheirTimeComesDueAtEachSpeed) {
    struct Step {
        double seconds;
        size_t linesSoFar;
    };
    struct Case {
        const char* what;
        double speed;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"1x", 1, {{0, 2}, {0.999, 2}, {1, 4}, {1.5, 4}, {2, 6}}},
        {"10x", 10, {{0, 2}, {0.099, 2}, {0.1, 4}, {0.2, 6}}},
        {"100x", 100, {{0, 2}, {0.0099, 2}, {0.01, 4}, {0.02, 6}}},
        {"as fast as possible", TReplayPacer::kAsFastAsPossible, {{0, 6}}},
    };
    for (const Case& c : cases) {
        target = {};
        Start(CaptureOf(ThreeSeconds()), c.speed);
        for (const Step& step : c.steps)
            EXPECT_EQ(TickAt(step.seconds), step.linesSoFar) << c.what << " at " << step.seconds;
        EXPECT_EQ(target.lines, ThreeSeconds()) << c.what;
        EXPECT_EQ(pacer.Status(), TReplayStatus::Ended) << c.what;
    }
}

TEST_F(ReplayPacerTest, UntimedLinesAtTheLinksNominalPace) {
    // 38 characters and CR LF: 96 lines a second at 3840 characters a second, each going
    // out when the link would have begun sending it.
    const std::string line(38, 'x');
    std::vector<std::string> lines(200, line);
    Start(CaptureOf(lines));
    EXPECT_EQ(TickAt(0), 1u);
    EXPECT_EQ(TickAt(0.999), 96u);
    EXPECT_EQ(TickAt(1), 97u);
    EXPECT_EQ(TickAt(2), 193u);
    EXPECT_DOUBLE_EQ(pacer.Progress().LogSeconds, 2);
    EXPECT_EQ(pacer.Progress().Position, 193u * 40);
}

TEST_F(ReplayPacerTest, AsFastAsPossibleIsBoundedPerTick) {
    std::vector<std::string> lines(2 * TReplayPacer::kMaxLinesPerTick + 5, kGsv);
    Start(CaptureOf(lines), TReplayPacer::kAsFastAsPossible);
    EXPECT_EQ(TickAt(0), size_t(TReplayPacer::kMaxLinesPerTick));
    EXPECT_EQ(pacer.Status(), TReplayStatus::Playing);
    EXPECT_EQ(TickAt(0), size_t(2 * TReplayPacer::kMaxLinesPerTick));
    EXPECT_EQ(TickAt(0), lines.size());
    EXPECT_EQ(pacer.Status(), TReplayStatus::Ended);
    EXPECT_EQ(target.batches, 3);

    // A byte budget of the caller's: the line that crosses it is the last.
    target = {};
    Start(CaptureOf(lines), TReplayPacer::kAsFastAsPossible);
    pacer.Tick(At(0), target, 2 * kGsv.size() + 1);
    EXPECT_EQ(target.lines.size(), 2u);
}

TEST_F(ReplayPacerTest, PauseHoldsTheLogTimeUntilResumed) {
    Start(CaptureOf(ThreeSeconds()));
    EXPECT_EQ(TickAt(0), 2u);
    pacer.Pause(At(0.5));
    EXPECT_EQ(pacer.Status(), TReplayStatus::Paused);
    EXPECT_EQ(TickAt(5), 2u);
    pacer.Resume(At(10));
    EXPECT_EQ(TickAt(10.499), 2u);
    EXPECT_EQ(TickAt(10.5), 4u);
    EXPECT_EQ(TickAt(11.5), 6u);
}

TEST_F(ReplayPacerTest, SpeedChangesApplyFromTheLinesNotYetSent) {
    struct Case {
        const char* what;
        double firstSpeed, secondSpeed;
        double changeAt;
        std::vector<std::pair<double, size_t>> after;
    };
    const Case cases[] = {
        {"1x to 10x half a second in", 1, 10, 0.5, {{0.549, 2}, {0.55, 4}, {0.65, 6}}},
        {"10x to 1x", 10, 1, 0.05, {{0.549, 2}, {0.55, 4}, {1.55, 6}}},
        // From as fast as possible, the log's own pace from the next line.
        {"max to 1x", TReplayPacer::kAsFastAsPossible, 1, 0, {{0, 4}, {0.999, 4}, {1, 6}}},
    };
    for (const Case& c : cases) {
        target = {};
        // The budget stops the first tick after the first second's lines.
        Start(CaptureOf(ThreeSeconds()), c.firstSpeed);
        pacer.Tick(At(0), target, Rmc("120000").size() + 2);
        ASSERT_EQ(target.lines.size(), 2u) << c.what;
        pacer.SetSpeed(c.secondSpeed, At(c.changeAt));
        EXPECT_EQ(pacer.Speed(), c.secondSpeed) << c.what;
        for (auto [seconds, lines] : c.after)
            EXPECT_EQ(TickAt(seconds), lines) << c.what << " at " << seconds;
    }
}

TEST_F(ReplayPacerTest, ImpossibleSpeedsAreRefused) {
    Start(CaptureOf(ThreeSeconds()), 10);
    for (double speed : {-1.0, std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
        pacer.SetSpeed(speed, At(0));
        EXPECT_EQ(pacer.Speed(), 10) << speed;
    }
}

TEST_F(ReplayPacerTest, StartedAgainPlaysTheNewFileAsANewPacerWould) {
    // The first replay is left paused, half-way, with a line waiting; the second file's
    // times are a day earlier.
    Start(CaptureOf(ThreeSeconds()), 10);
    TickAt(0.15);
    pacer.Pause(At(0.15));
    const std::vector<std::string> earlier = {Rmc("235958", "091224"), kGsv,
                                              Rmc("235959", "091224"), kGsv};
    const std::string next = folder.Write("next.nmea", CaptureOf(earlier));
    TReplayPacer fresh;
    for (TReplayPacer* each : {&pacer, &fresh}) {
        each->SetSpeed(1, At(0));
        ASSERT_TRUE(each->Start(next, At(0)));
    }
    RecordingTarget again;
    RecordingTarget anew;
    for (double seconds : {0.0, 0.5, 1.0, 2.0}) {
        pacer.Tick(At(seconds), again);
        fresh.Tick(At(seconds), anew);
        EXPECT_EQ(again.lines, anew.lines) << seconds;
        EXPECT_EQ(pacer.Status(), fresh.Status()) << seconds;
        EXPECT_EQ(pacer.NextDue(), fresh.NextDue()) << seconds;
        EXPECT_EQ(pacer.Progress().Position, fresh.Progress().Position) << seconds;
        EXPECT_EQ(pacer.Progress().LogSeconds, fresh.Progress().LogSeconds) << seconds;
    }
    EXPECT_EQ(again.lines, earlier);
}

TEST_F(ReplayPacerTest, StopForgetsTheReplay) {
    Start(CaptureOf(ThreeSeconds()));
    EXPECT_EQ(TickAt(0), 2u);
    pacer.Stop();
    EXPECT_EQ(pacer.Status(), TReplayStatus::Idle);
    EXPECT_EQ(TickAt(10), 2u);
    EXPECT_EQ(pacer.Progress().Position, 0u);
    EXPECT_EQ(pacer.NextDue(), TReplayPacer::Clock::time_point::max());
}

TEST_F(ReplayPacerTest, TheEndShowsWithTheLastLineAndTheWholeFile) {
    const std::string bytes = CaptureOf(ThreeSeconds());
    Start(bytes);
    TickAt(1);
    EXPECT_EQ(pacer.NextDue(), At(2));
    EXPECT_EQ(pacer.Status(), TReplayStatus::Playing);
    TickAt(2);
    EXPECT_EQ(pacer.Status(), TReplayStatus::Ended);
    EXPECT_TRUE(pacer.Error().empty());
    TReplayProgress progress = pacer.Progress();
    EXPECT_EQ(progress.Position, bytes.size());
    EXPECT_EQ(progress.Size, bytes.size());
    EXPECT_DOUBLE_EQ(progress.LogSeconds, 2);
    EXPECT_EQ(TickAt(100), 6u);
}

TEST_F(ReplayPacerTest, BytesAfterTheLastLineCountAsReplayedAtTheEnd) {
    for (const std::string& tail :
         {std::string("\r"), std::string(3, '\0'), std::string("\r\r\r")}) {
        const std::string bytes = CaptureOf(ThreeSeconds()) + tail;
        Start(bytes);
        TickAt(100);
        ASSERT_EQ(pacer.Status(), TReplayStatus::Ended);
        EXPECT_EQ(pacer.Progress().Position, bytes.size()) << tail.size();
    }
}

} // namespace
