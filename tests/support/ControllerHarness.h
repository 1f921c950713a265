// The main controller wired to a fake window, fake ports and a serial component in
// memory, with timers driven by hand.
#pragma once

#include "FakePorts.h"
#include "FakeView.h"
#include "MemoryComm.h"

#include "app/MainController.h"

#include <memory>
#include <string>
#include <vector>

// Remembers when the settings were written and whether the port was still open then.
class TestController : public TMainController {
public:
    using TMainController::TMainController;
    int settingsWrites = 0;
    bool portOpenWhenSettingsWritten = false;

protected:
    void SaveSettings() override {
        ++settingsWrites;
        portOpenWhenSettingsWritten = Session().Comm().IsOpen();
        TMainController::SaveSettings();
    }
};

struct ControllerHarness {
    // Without a documents folder in `folders` no settings file is read or written.
    explicit ControllerHarness(std::vector<std::string> portNames = {"USB Serial Port (COM5)"},
                               TAppFolders folders = {})
        : ports(std::make_shared<FakePorts::State>()) {
        ports->names = std::move(portNames);
        auto memory = std::make_unique<TMemoryComm>();
        comm = memory.get();
        line = memory->line;
        app = std::make_unique<TestController>(view, TSynchronize{},
                                               std::make_unique<FakePorts>(ports),
                                               std::move(memory), std::move(folders));
        app->Start();
        app->ApplySavedLanguage();
        app->Desktop().LocalTimeNow = [this] { return clock; };
        app->Desktop().OpenTextEditor = [this](const std::string& file) {
            editorOpened.push_back(file);
        };
    }

    // Connect clicked and the report's end marker received: the session is up.
    void Connect() {
        ClickConnect();
        Receive("[DEVICE DATA END]\r\n");
    }
    void SystemCheckTicks(int ticks = 1) {
        for (int i = 0; i < ticks; ++i)
            app->SystemCheckTick();
    }
    // What was written to the receiver since the last call.
    std::string TakeWritten() {
        std::string written = line->Written();
        std::string fresh = written.substr(writtenSeen_);
        writtenSeen_ = written.size();
        return fresh;
    }

    // A line from the receiver, delivered as the serial component's OnRxChar does.
    void Receive(const std::string& text) {
        line->Receive(text, /*quiet=*/true);
        app->Session().ReadWaiting(static_cast<uint32_t>(text.size()));
    }
    void HandshakeTicks(int ticks = 1) {
        for (int i = 0; i < ticks; ++i)
            app->HandshakeTick();
    }
    void HalfSecondTicks(int ticks = 1) {
        for (int i = 0; i < ticks; ++i)
            app->HalfSecondTick();
    }
    // Clicks Connect with the selector's current entry.
    void ClickConnect() { app->Connection().ConnectClicked(); }
    // How many report requests went out so far.
    int ReportRequests() const {
        std::string written = line->Written();
        int count = 0;
        for (size_t at = written.find("$PTST,,,,,17*29\r\n"); at != std::string::npos;
             at = written.find("$PTST,,,,,17*29\r\n", at + 1))
            ++count;
        return count;
    }
    std::string Status() { return view.texts[TControl::LabelConnectionStatus]; }

    // The PC's clock as the controller reads it, and the files opened in the editor.
    TLocalTime clock{2025, 2, 27, 9, 5, 7};
    std::vector<std::string> editorOpened;

    FakeView view;
    std::shared_ptr<FakePorts::State> ports;
    std::shared_ptr<MemoryLine> line;
    TMemoryComm* comm = nullptr;
    std::unique_ptr<TestController> app;

private:
    size_t writtenSeen_ = 0;
};
