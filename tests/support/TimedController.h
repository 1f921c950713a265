// The main controller on a fake window with every timer running on an event loop in
// real time, for end-to-end tests against the receiver simulator.
#pragma once

#include "FakeView.h"

#include "app/MainController.h"
#include "session/EventLoop.h"

#include <chrono>
#include <map>
#include <memory>

struct TimedController {
    TimedController() {
        // The timers exist before the controller, which switches them on as it starts.
        for (TTimer timer : kAllTimers)
            timers[timer] = loop.AddTimer(std::chrono::milliseconds(TimerInterval(timer)),
                                          [this, timer] { app->TimerFired(timer); });
        view.onTimerEnabled = [this](TTimer timer, bool on) {
            loop.SetTimerEnabled(timers.at(timer), on);
        };
        app = std::make_unique<TMainController>(view, loop.HandOver());
        app->Start();
        app->Desktop().OpenTextEditor = nullptr;
    }

    TEventLoop loop;
    FakeView view;
    std::map<TTimer, int> timers;
    std::unique_ptr<TMainController> app;
};
