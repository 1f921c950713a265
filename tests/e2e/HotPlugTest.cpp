// Ports coming and going: the simulator's port appears in the selector by itself, and
// a session on it ends when the simulator stops.
#include "FakeView.h"
#include "SimProcess.h"

#include "app/MainController.h"
#include "session/EventLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

using namespace std::chrono_literals;

namespace {

class HotPlugTest : public ::testing::Test {
protected:
    HotPlugTest() {
        char folder[] = "/tmp/t360kv-hotplug-XXXXXX";
        runtimeDir = mkdtemp(folder);
        // The simulator registers its port here, and the port list reads it from here.
        setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (runtimeDir + "/config").c_str(), 1);
        app = std::make_unique<TMainController>(view, loop.HandOver());
        app->Start();
        int timer2 = loop.AddTimer(std::chrono::milliseconds(TimerInterval(TTimer::HalfSecondTick)),
                                   [this] { app->HalfSecondTick(); });
        loop.SetTimerEnabled(timer2, true);
    }
    ~HotPlugTest() override {
        app.reset();
        std::filesystem::remove_all(runtimeDir);
    }

    int SimulatorEntry() {
        const auto& items = view.lists[TControl::cbxDeviceComEnum];
        auto it = std::find_if(items.begin(), items.end(), [](const std::string& item) {
            return item.find("ttySIM") != std::string::npos;
        });
        return it == items.end() ? -1 : static_cast<int>(it - items.begin());
    }

    std::string runtimeDir;
    TEventLoop loop;
    FakeView view;
    std::unique_ptr<TMainController> app;
};

TEST_F(HotPlugTest, SimulatorPortComesAndGoesInTheSelector) {
    auto sim = std::make_unique<SimProcess>(std::vector<std::string>{}, runtimeDir);
    ASSERT_TRUE(loop.RunUntil([&] { return SimulatorEntry() >= 0; }, 10s));
    sim.reset();
    EXPECT_TRUE(loop.RunUntil([&] { return SimulatorEntry() < 0; }, 10s));
}

TEST_F(HotPlugTest, StoppingTheSimulatorEndsTheSession) {
    auto sim = std::make_unique<SimProcess>(std::vector<std::string>{}, runtimeDir);
    ASSERT_TRUE(loop.RunUntil([&] { return SimulatorEntry() >= 0; }, 10s));
    view.itemIndex[TControl::cbxDeviceComEnum] = SimulatorEntry();
    app->Connection().ConnectClicked();
    ASSERT_TRUE(app->Session().IsOpen()) << (view.messages.empty() ? "" : view.messages.back());
    ASSERT_TRUE(app->Session().Comm().IsOpen());
    EXPECT_EQ(view.texts[TControl::LabelConnectionStatus], "Connecting...");

    sim.reset();
    EXPECT_TRUE(loop.RunUntil([&] { return !app->Session().IsOpen(); }, 10s));
    EXPECT_EQ(view.texts[TControl::LabelConnectionStatus], "Click to Connect");
    EXPECT_FALSE(app->Session().Comm().IsOpen());
    EXPECT_TRUE(view.messages.empty());
}

} // namespace
