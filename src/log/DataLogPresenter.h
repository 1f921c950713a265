// The DATA LOG page: the log switch, Clear, Save and the command line. Lines received
// while the log is on are recorded; the view is brought up to date once per read, so at
// the fastest line rate the window redraws the log a few lines at a time.
#pragma once

#include "log/DataLog.h"
#include "session/ReceiverSession.h"
#include "view/MainView.h"

#include <string>
#include <string_view>

class TDataLogPresenter : public TSessionObserver {
public:
    TDataLogPresenter(TMainView& view, TReceiverSession& session);

    void LogSwitchClicked();
    void ClearClicked();
    void SaveClicked();
    void SendCommandClicked();

    bool LoggingOn() const { return loggingOn_; }
    // Every line logged since the last clear; the view shows the newest.
    TDataLog& Log() { return log_; }

    void LineReceived(std::string_view line, bool overLong) override;
    void ReceivedBatchEnded() override;

private:
    void ShowNewLines();

    TMainView& view_;
    TReceiverSession& session_;
    TDataLog log_;
    bool loggingOn_ = false;
    // The name last chosen in the save dialog.
    std::string fileName_;
};
