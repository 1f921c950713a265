// End to end over a pseudo-terminal: the window controller and its serial component
// against the receiver simulator.
#include "FakeView.h"
#include "SimProcess.h"

#include "app/EventLoop.h"
#include "app/Mainform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

// Keeps every line handed to the consumers, without CR LF.
class LineCollector : public TForm1 {
public:
    using TForm1::TForm1;
    std::vector<std::string> lines;

protected:
    void ParseReportLine(char* line) override {
        std::string text(line);
        lines.push_back(text.substr(0, text.size() - 2));
    }
};

class ReportExchangeTest : public ::testing::Test {
protected:
    void Connect(const SimProcess& sim) {
        form = std::make_unique<LineCollector>(
            view, [this](const std::function<void()>& call) { loop.Synchronize(call); });
        ASSERT_TRUE(form->ConnectDevice(sim.Port(), br128000)) << sim.Log();
    }
    bool Received(const std::string& text) const {
        return std::find(form->lines.begin(), form->lines.end(), text) != form->lines.end();
    }

    TEventLoop loop;
    FakeView view;
    std::unique_ptr<LineCollector> form;
};

TEST_F(ReportExchangeTest, ReportRequestIsAnsweredUpToTheEndMarker) {
    SimProcess sim;
    Connect(sim);
    ASSERT_EQ(form->SendSentence("$PTST,,,,,17", false), srSent);
    ASSERT_TRUE(loop.RunUntil([&] { return Received("[DEVICE DATA END]"); }, 10s)) << sim.Log();
    auto has = [&](const std::string& prefix) {
        return std::any_of(form->lines.begin(), form->lines.end(),
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
    form->ToggleConnection();
    sim.Stop();

    std::vector<std::string> sent;
    std::ifstream in(transcript);
    for (std::string l; std::getline(in, l);)
        sent.push_back(l);
    std::vector<std::string> valid;
    for (const std::string& l : form->lines)
        if (std::find(sent.begin(), sent.end(), l) != sent.end())
            valid.push_back(l);
    // What arrived is exactly the start of what was sent, with nothing missing between.
    ASSERT_GE(valid.size(), 100u) << sim.Log();
    ASSERT_LE(valid.size(), sent.size());
    EXPECT_TRUE(std::equal(valid.begin(), valid.end(), sent.begin()));
    EXPECT_GT(form->lines.size(), valid.size()) << "the noise did not arrive at all";
}

TEST_F(ReportExchangeTest, VanishingDeviceEndsTheSession) {
    auto sim = std::make_unique<SimProcess>();
    Connect(*sim);
    sim.reset();
    ASSERT_TRUE(loop.RunUntil([&] { return !form->PortOpen; }, 5s));
    EXPECT_FALSE(form->Comm().IsOpen());
    EXPECT_EQ(view.texts[TControl::LabelConnectionStatus], "Click to Connect");
}

TEST_F(ReportExchangeTest, SilentDeviceSendsNothing) {
    SimProcess sim({"--silent"});
    Connect(sim);
    ASSERT_EQ(form->SendSentence("$PTST,,,,,17", false), srSent);
    loop.RunFor(1500ms);
    EXPECT_TRUE(form->lines.empty());
}

} // namespace
