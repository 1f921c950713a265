// The simulated T360KV receiver: answers the report request, takes set sentences and
// announces its restart, and streams GNSS and AIS sentences. It knows no clock and no
// port: the caller passes the time and moves the output queue to the port, so tests
// drive it through hours in microseconds.
#pragma once

#include "AisSource.h"
#include "DeviceState.h"
#include "GpsSource.h"
#include "Noise.h"
#include "OutputQueue.h"
#include "SimOptions.h"

#include "replay/ReplayPacer.h"
#include "session/LineSplitter.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Sent after a set sentence or the restore sentence, before the receiver goes quiet.
extern const std::string kRestartAnnouncement;

class Simulator : private TReplayTarget {
public:
    using SteadyTime = std::chrono::steady_clock::time_point;
    using UtcTime = std::chrono::system_clock::time_point;
    using Log = std::function<void(const std::string&)>;

    // `start` is the steady time at which the UTC clock read `utcAtStart`. `ais` may be
    // null (no AIS). `log` gets one line per received line and per notable action.
    // Throws std::runtime_error when the capture to replay cannot be opened.
    Simulator(const SimOptions& options, std::unique_ptr<AisSource> ais, uint32_t noiseSeed,
              SteadyTime start, UtcTime utcAtStart, Log log);

    // Bytes the tool wrote to the receiver.
    void Receive(std::string_view bytes, SteadyTime now);
    // Queues the sentences that are due.
    void Tick(SteadyTime now);
    // When Tick next has something to do.
    SteadyTime NextDue() const;

    OutputQueue& Output() { return output_; }
    const DeviceState& Device() const { return device_; }
    bool Quiet(SteadyTime now) const { return quietUntil_ && now < *quietUntil_; }

private:
    void HandleLine(const std::string& line, SteadyTime now);
    void Say(const std::string& line);
    void Restart(SteadyTime now);
    void EverySecond(int64_t unixSecond);
    void StreamAis(SteadyTime now);
    void StreamReplay(SteadyTime now);
    // Whether the output has room for the replay's next tick: as fast as possible means
    // as fast as the port is read, not lines dropped.
    uint64_t ReplayRoom() const {
        return output_.Bytes() < kReplayQueueBytes ? kReplayQueueBytes - output_.Bytes() : 0;
    }
    static constexpr uint64_t kReplayQueueBytes = OutputQueue::kDefaultLimit / 2;
    void ReplayLine(std::string_view line, bool overLong) override;
    double UnixSeconds(SteadyTime time) const;
    SteadyTime SteadyOf(double unixSeconds) const;

    SimOptions options_;
    std::unique_ptr<AisSource> ais_;
    Noise noise_;
    SteadyTime start_;
    double unixAtStart_;
    Log log_;

    DeviceState device_;
    GpsSource gps_;
    LineSplitter input_;
    OutputQueue output_;
    std::optional<SteadyTime> quietUntil_;
    int64_t nextSecond_;   // the UTC second of the next GNSS fix
    double aisBudget_ = 0; // AIS sentences due but not yet sent
    SteadyTime aisCounted_;
    bool dropping_ = false; // the output queue was full at the last line
    TReplayPacer replay_;
    bool replayOver_ = false; // the capture has ended (without --loop) or failed
};
