// The window controller on a fake window with every timer running on an event loop in
// real time, for end-to-end tests against the receiver simulator.
#pragma once

#include "FakeView.h"

#include "app/EventLoop.h"
#include "app/Mainform.h"

#include <chrono>
#include <map>
#include <memory>

struct TimedForm {
    TimedForm() {
        // The timers exist before the controller, which switches them on as it starts.
        for (TTimer timer : kAllTimers)
            timers[timer] = loop.AddTimer(std::chrono::milliseconds(TimerInterval(timer)),
                                          [this, timer] { form->TimerFired(timer); });
        view.onTimerEnabled = [this](TTimer timer, bool on) {
            loop.SetTimerEnabled(timers.at(timer), on);
        };
        form = std::make_unique<TForm1>(
            view, [this](const std::function<void()>& call) { loop.Synchronize(call); });
        form->FormCreate();
        form->OpenTextEditor = nullptr;
    }

    TEventLoop loop;
    FakeView view;
    std::map<TTimer, int> timers;
    std::unique_ptr<TForm1> form;
};
