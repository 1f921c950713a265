// SIGTERM, SIGINT and SIGHUP turned into a call on the GUI thread, so that the window can
// finish its work (save the DATA LOG) before it ends instead of dying mid-write. The
// signal handler only writes a byte to a socket; the socket's notifier makes the call.
#pragma once

#include <QObject>

#include <csignal>
#include <functional>

class QSocketNotifier;

class TerminationSignals : public QObject {
public:
    // Catches the signals until destroyed; `terminated` runs after each wake-up (signals
    // close together may make one). One instance at a time.
    explicit TerminationSignals(std::function<void()> terminated);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void TakeSignal();

    std::function<void()> terminated_;
    QSocketNotifier* notifier_ = nullptr;
    struct sigaction previous_[3] = {};
};
