// The real window, view and controller on fake ports and a serial component in memory,
// with message boxes answered by the test instead of a user.
#pragma once

#include "Configurator.h"
#include "FakePorts.h"
#include "MemoryComm.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct ShownMessage {
    std::string text;
    std::string caption;
    TMessageButtons buttons;
    TMessageIcon icon;
};

class WindowFixture : public testing::Test {
protected:
    // The ports present at start-up; the selector lists them sorted. Without a documents
    // folder in `folders` no settings file is read or written.
    explicit WindowFixture(std::vector<std::string> portNames = {"USB Serial Port (COM5)",
                                                                 "Communications Port (COM1)"},
                           TAppFolders folders = {})
        : ports_(std::make_shared<FakePorts::State>()) {
        ports_->names = std::move(portNames);
        auto memory = std::make_unique<TMemoryComm>();
        line_ = memory->line;
        configurator_ = std::make_unique<Configurator>(std::make_unique<FakePorts>(ports_),
                                                       std::move(memory), std::move(folders));
        View().AnswerMessagesWith([this](const std::string& text, const std::string& caption,
                                         TMessageButtons buttons, TMessageIcon icon) {
            messages_.push_back({text, caption, buttons, icon});
            return answer_;
        });
        Window().show();
    }

    MainWindow& Window() { return configurator_->Window(); }
    QtMainView& View() { return configurator_->View(); }
    TMainController& Controller() { return configurator_->Controller(); }

    template <class Kind> Kind* Find(const char* name) {
        auto* found = Window().findChild<Kind*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Runs the event loop until `done` holds; false if it never does.
    static bool ProcessEventsUntil(const std::function<bool()>& done) {
        QDeadlineTimer deadline(10000);
        while (!done()) {
            if (deadline.hasExpired())
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return true;
    }

    std::shared_ptr<FakePorts::State> ports_;
    std::shared_ptr<MemoryLine> line_;
    std::unique_ptr<Configurator> configurator_;
    TMessageAnswer answer_ = TMessageAnswer::Ok;
    std::vector<ShownMessage> messages_;
};
