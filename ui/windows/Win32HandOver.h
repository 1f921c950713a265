// The serial component's hand-over to the GUI thread: Synchronize() runs a call on the
// thread that created this object and returns once it has run. The call is queued to a
// hidden message-only window, so that every message loop of the GUI thread runs it,
// modal ones (message boxes, the countdown dialog) included. Called on the GUI thread
// itself it runs the call at once, since waiting for oneself would never end.
//
// The serial event thread is detached and may hand over after the window is gone. So
// destroying this object releases every caller still waiting (their calls never run),
// and later hand-overs return at once without running anything.
#pragma once

#include "Win32Api.h"

#include "serial/Comm.h"

#include <memory>

class TWin32HandOver {
public:
    TWin32HandOver();
    ~TWin32HandOver();
    TWin32HandOver(const TWin32HandOver&) = delete;
    TWin32HandOver& operator=(const TWin32HandOver&) = delete;

    TSynchronize Synchronize() const;

    struct Target;

private:
    std::shared_ptr<Target> target_;
};
