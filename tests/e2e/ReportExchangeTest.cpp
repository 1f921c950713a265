// End to end over a pseudo-terminal: the main controller and its serial component
// against the receiver simulator.
#include "FakeView.h"
#include "SimProcess.h"

#include "app/MainController.h"
#include "session/EventLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

// Keeps every line the session reads, without its line end.
class LineCollector : public TSessionObserver {
public:
    std::vector<std::string> lines;
    void LineReceived(std::string_view line, bool overLong) override {
        if (!overLong)
            lines.emplace_back(line);
    }
};

class ReportExchangeTest : public ::testing::Test {
protected:
    void Connect(const SimProcess& sim) {
        app = std::make_unique<TMainController>(view, loop.HandOver());
        app->Session().AddObserver(collector);
        ASSERT_TRUE(app->Connection().ConnectDevice(sim.Port(), br128000)) << sim.Log();
    }
    bool Received(const std::string& text) const {
        return std::find(collector.lines.begin(), collector.lines.end(), text) !=
               collector.lines.end();
    }

    TEventLoop loop;
    FakeView view;
    LineCollector collector;
    std::unique_ptr<TMainController> app;
};

TEST_F(ReportExchangeTest, ReportRequestIsAnsweredUpToTheEndMarker) {
    SimProcess sim;
    Connect(sim);
    ASSERT_EQ(app->Session().SendSentence("$PTST,,,,,17"), srSent);
    ASSERT_TRUE(loop.RunUntil([&] { return Received("[DEVICE DATA END]"); }, 10s)) << sim.Log();
    auto has = [&](const std::string& prefix) {
        return std::any_of(collector.lines.begin(), collector.lines.end(),
                           [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    };
    EXPECT_TRUE(has("Firmware:"));
    EXPECT_TRUE(has("NMEA_1_TX:("));
    EXPECT_TRUE(has("NMEA_2_TX:("));
    EXPECT_TRUE(has("GPS_Output="));
    EXPECT_TRUE(has("[GPS_NAV5_dynModel]="));
    EXPECT_TRUE(has("[SerialNo]="));
    EXPECT_NE(sim.Log().find("$PTST,,,,,17*29"), std::string::npos);
}

// Hostile bytes between and inside the lines must not cost a single valid line.
TEST_F(ReportExchangeTest, EveryValidLineSurvivesNoise) {
    std::string transcript = ::testing::TempDir() + "t360kv-noise-transcript.txt";
    SimProcess sim({"--noise", "--rate", "50", "--transcript", transcript});
    Connect(sim);
    loop.RunFor(3s);
    app->Connection().ToggleConnection();
    sim.Stop();

    std::vector<std::string> sent;
    std::ifstream in(transcript);
    for (std::string l; std::getline(in, l);)
        sent.push_back(l);
    std::vector<std::string> valid;
    for (const std::string& l : collector.lines)
        if (std::find(sent.begin(), sent.end(), l) != sent.end())
            valid.push_back(l);
    // What arrived is exactly the start of what was sent, with nothing missing between.
    ASSERT_GE(valid.size(), 100u) << sim.Log();
    ASSERT_LE(valid.size(), sent.size());
    EXPECT_TRUE(std::equal(valid.begin(), valid.end(), sent.begin()));
    EXPECT_GT(collector.lines.size(), valid.size()) << "the noise did not arrive at all";
}

TEST_F(ReportExchangeTest, VanishingDeviceEndsTheSession) {
    auto sim = std::make_unique<SimProcess>();
    Connect(*sim);
    sim.reset();
    ASSERT_TRUE(loop.RunUntil([&] { return !app->Session().IsOpen(); }, 5s));
    EXPECT_FALSE(app->Session().Comm().IsOpen());
    EXPECT_EQ(view.texts[TControl::LabelConnectionStatus], "Click to Connect");
}

TEST_F(ReportExchangeTest, SilentDeviceSendsNothing) {
    SimProcess sim({"--silent"});
    Connect(sim);
    ASSERT_EQ(app->Session().SendSentence("$PTST,,,,,17"), srSent);
    loop.RunFor(1500ms);
    EXPECT_TRUE(collector.lines.empty());
}

} // namespace
