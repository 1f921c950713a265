// What the pictures of the pages share: the whole program connected to the receiver
// simulator, in a home and runtime folder of their own (the simulator registers its port
// there and the program keeps its settings there, so the user's own are never touched).
#pragma once

#include "Configurator.h"
#include "SimProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

inline bool ProcessEventsUntil(const std::function<bool()>& done, int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

class ScreenshotFixture : public testing::Test {
protected:
    ScreenshotFixture() {
        std::string pattern = testing::TempDir() + "t360kv-screenshot-XXXXXX";
        folder_ = mkdtemp(pattern.data());
        setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (folder_ + "/config").c_str(), 1);
        setenv("HOME", folder_.c_str(), 1);
    }
    ~ScreenshotFixture() override {
        sim_.reset();
        std::filesystem::remove_all(folder_);
    }

    // Starts the simulator with `arguments` and connects `program` to its entry, selected
    // by its device path (no other port is opened).
    void ConnectToSimulator(Configurator& program, std::vector<std::string> arguments = {}) {
        sim_ = std::make_unique<SimProcess>(std::move(arguments), folder_);
        ASSERT_TRUE(program.Controller().Connection().ConnectDevice(sim_->Port(), br128000))
            << sim_->Log();
        ASSERT_TRUE(
            ProcessEventsUntil([&] { return program.Controller().Session().IsConnected(); }, 15000))
            << sim_->Log();
    }

    // Saves the picture of `window` where the README's copy comes from.
    static void SavePicture(QWidget& window) {
        const QString picture = QStringLiteral(T360KV_SCREENSHOT_PATH);
        EXPECT_TRUE(window.grab().save(picture)) << picture.toStdString();
    }

    std::string folder_;
    std::unique_ptr<SimProcess> sim_;
};
