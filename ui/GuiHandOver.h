// The serial component's hand-over to the GUI thread: Synchronize() runs a call on the
// thread that created this object and returns once it has run. Called on that thread
// itself it runs the call at once, since waiting for oneself would never end.
//
// The serial event thread is detached and may hand over after the window is gone. So
// destroying this object releases every caller still waiting (their calls never run),
// and later hand-overs return at once without running anything.
#pragma once

#include "serial/Comm.h"

#include <memory>

class GuiHandOver {
public:
    GuiHandOver();
    ~GuiHandOver();
    GuiHandOver(const GuiHandOver&) = delete;
    GuiHandOver& operator=(const GuiHandOver&) = delete;

    TSynchronize Synchronize() const;

private:
    struct Target;
    std::shared_ptr<Target> target_;
};
