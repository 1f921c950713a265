// Unplug and replug, many times over: the whole window on its real port watcher and
// serial component, and the receiver simulator stopped and started again under the same
// port name while connected. Each cycle the port's entry comes back to the selector,
// Connect connects again, and the unplug brings the status back to "Click to Connect"
// within the hot-plug debounce; over all cycles neither descriptors nor threads grow.
// Run by scripts/unplug.sh (it takes minutes, so it is no ctest case); the cycles are
// UNPLUG_CYCLES, 100 by default.
#include "Configurator.h"
#include "SimProcess.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

namespace {

using namespace std::chrono_literals;

constexpr char kPortName[] = "ttyUNPLUG";
// Four ticks of the half-second timer see a change through; 2 s more for a slow machine.
constexpr auto kDebounce = 2000ms;
constexpr auto kUnplugDeadline = kDebounce + 2000ms;
// The port's entry back in the selector (its own debounce), then the handshake.
constexpr auto kReplugDeadline = kDebounce + 2000ms;
constexpr auto kHandshakeDeadline = 15000ms;

bool ProcessEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds within) {
    QDeadlineTimer deadline(within.count());
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

struct ProcessCounts {
    int Descriptors = 0;
    int Threads = 0;
};

ProcessCounts CountOwn() {
    ProcessCounts counts;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++counts.Descriptors;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("Threads:", 0) == 0)
            counts.Threads = std::atoi(line.c_str() + 8);
    return counts;
}

int Cycles() {
    const char* text = std::getenv("UNPLUG_CYCLES");
    return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : 100;
}

class UnplugReplugWindow : public testing::Test {
protected:
    UnplugReplugWindow() {
        std::string pattern = testing::TempDir() + "t360kv-unplug-XXXXXX";
        folder_ = mkdtemp(pattern.data());
        // The simulator's port folder and the window's settings and COM numbers are the
        // test's own.
        setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (folder_ + "/config").c_str(), 1);
        setenv("HOME", folder_.c_str(), 1);
        program_ = std::make_unique<Configurator>();
        program_->View().AnswerMessagesWith([](auto&&...) { return TMessageAnswer::Ok; });
        program_->Window().show();
    }
    ~UnplugReplugWindow() override {
        sim_.reset();
        program_.reset();
        std::filesystem::remove_all(folder_);
    }

    template <class Kind> Kind* Find(const char* name) {
        return program_->Window().findChild<Kind*>(QString::fromLatin1(name));
    }
    TReceiverSession& Session() { return program_->Controller().Session(); }
    std::string Status() { return Find<QLabel>("LabelConnectionStatus")->text().toStdString(); }
    bool SelectorListsThePort() {
        return Find<QComboBox>("cbxDeviceComEnum")->findText(kPortName, Qt::MatchContains) >= 0;
    }

    // Plugs the receiver in, waits for its entry and clicks Connect as the user would.
    void PlugAndConnect(int cycle) {
        sim_ = std::make_unique<SimProcess>(std::vector<std::string>{"--name", kPortName}, folder_);
        ASSERT_TRUE(ProcessEventsUntil([&] { return SelectorListsThePort(); }, kReplugDeadline))
            << "cycle " << cycle << ": the port's entry did not come back";
        ASSERT_TRUE(program_->Controller().Connection().SelectPortEntry(kPortName));
        QTest::mouseClick(Find<QAbstractButton>("OpenPort"), Qt::LeftButton);
        ASSERT_TRUE(ProcessEventsUntil([&] { return Session().IsConnected(); }, kHandshakeDeadline))
            << "cycle " << cycle << ": no reconnect; status \"" << Status() << "\"\n"
            << sim_->Log();
    }

    void Unplug(int cycle) {
        sim_.reset();
        ASSERT_TRUE(ProcessEventsUntil(
            [&] { return !Session().IsOpen() && Status() == "Click to Connect"; }, kUnplugDeadline))
            << "cycle " << cycle << ": the unplug was missed; status \"" << Status() << "\"";
        EXPECT_FALSE(Session().Comm().IsOpen()) << "cycle " << cycle;
        EXPECT_FALSE(Find<QAbstractButton>("OpenPort")->isChecked()) << "cycle " << cycle;
    }

    std::string folder_;
    std::unique_ptr<Configurator> program_;
    std::unique_ptr<SimProcess> sim_;
};

TEST_F(UnplugReplugWindow, EveryCycleReconnectsAndNothingGrows) {
    const int cycles = Cycles();
    ProcessCounts afterFirst;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        ASSERT_NO_FATAL_FAILURE(PlugAndConnect(cycle));
        ASSERT_NO_FATAL_FAILURE(Unplug(cycle));
        if (cycle == 1)
            afterFirst = CountOwn();
    }
    const ProcessCounts afterLast = CountOwn();
    std::printf("window: %d cycles; descriptors %d -> %d, threads %d -> %d\n", cycles,
                afterFirst.Descriptors, afterLast.Descriptors, afterFirst.Threads,
                afterLast.Threads);
    EXPECT_LE(afterLast.Descriptors, afterFirst.Descriptors);
    EXPECT_LE(afterLast.Threads, afterFirst.Threads);
}

} // namespace
