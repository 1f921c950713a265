// A receiver session on a serial component in memory, with an observer that records
// what the session tells.
#pragma once

#include "MemoryComm.h"

#include "session/ReceiverSession.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

struct RecordedSession : TSessionObserver {
    std::vector<std::string> lines;
    std::vector<TSessionState> states;
    std::vector<unsigned> reportItems;
    std::vector<TRestartOutcome> restarts;
    std::vector<TSessionError> errors;
    std::vector<std::string> reasons;
    std::vector<TReplayEnd> replayEnds;
    std::vector<std::string> replayReasons;
    int announcements = 0;
    int closings = 0;
    int lost = 0;

    void LineReceived(std::string_view line, bool) override { lines.emplace_back(line); }
    void StateChanged(TSessionState state) override { states.push_back(state); }
    void PortClosing() override { ++closings; }
    void ReportRead(const TDeviceInfo&, unsigned items) override { reportItems.push_back(items); }
    void RestartAnnounced() override { ++announcements; }
    void RestartFinished(TRestartOutcome outcome) override { restarts.push_back(outcome); }
    void DeviceLost() override { ++lost; }
    void ErrorOccurred(TSessionError error, const std::string& reason) override {
        errors.push_back(error);
        reasons.push_back(reason);
    }
    void ReplayEnded(TReplayEnd end, const std::string& reason) override {
        replayEnds.push_back(end);
        replayReasons.push_back(reason);
    }
};

class SessionFixture : public ::testing::Test {
protected:
    SessionFixture()
        : memory_(new TMemoryComm), line(memory_->line),
          session(TSynchronize{}, std::unique_ptr<TComm>(memory_)) {
        session.AddObserver(observer);
    }

    void Open() { ASSERT_TRUE(session.Open()); }
    // Opens and receives the report's end marker: the session is connected.
    void Connect() {
        Open();
        Receive("[DEVICE DATA END]\r\n");
        ASSERT_TRUE(session.IsConnected());
    }
    void Receive(const std::string& text) {
        line->Receive(text, /*quiet=*/true);
        session.ReadWaiting(static_cast<uint32_t>(text.size()));
    }
    TMemoryComm& Memory() { return *memory_; }

private:
    TMemoryComm* memory_; // owned by the session

protected:
    std::shared_ptr<MemoryLine> line;
    RecordedSession observer;
    TReceiverSession session;
};
