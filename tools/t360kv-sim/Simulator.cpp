#include "Simulator.h"

#include "Sentence.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace {

using Seconds = std::chrono::duration<double>;

// Received bytes as printable text for the log.
std::string Printable(const std::string& line) {
    std::string text;
    for (char c : line) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 32 && byte < 127) {
            text += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        }
    }
    return text;
}

} // namespace

const std::string kRestartAnnouncement = CompleteSentence("$PKRV,R,TXT,SYSTEM RESTART");

Simulator::Simulator(const SimOptions& options, std::unique_ptr<AisSource> ais, uint32_t noiseSeed,
                     SteadyTime start, UtcTime utcAtStart, Log log)
    : options_(options), ais_(std::move(ais)), noise_(noiseSeed), start_(start),
      unixAtStart_(Seconds(utcAtStart.time_since_epoch()).count()), log_(std::move(log)),
      nextSecond_(static_cast<int64_t>(std::ceil(unixAtStart_))), aisCounted_(start) {
    if (!options_.Ais || options_.AisRate <= 0 || !options_.ReplayFile.empty())
        ais_.reset();
    if (!options_.ReplayFile.empty()) {
        replay_.SetSpeed(options_.ReplaySpeed, start);
        if (!replay_.Start(options_.ReplayFile, start))
            throw std::runtime_error(replay_.Error());
    }
}

double Simulator::UnixSeconds(SteadyTime time) const {
    return unixAtStart_ + Seconds(time - start_).count();
}

Simulator::SteadyTime Simulator::SteadyOf(double unixSeconds) const {
    return start_ +
           std::chrono::duration_cast<SteadyTime::duration>(Seconds(unixSeconds - unixAtStart_));
}

void Simulator::Receive(std::string_view bytes, SteadyTime now) {
    // The receiver takes every line, whatever its length.
    input_.Feed(bytes, [&](std::string_view line, bool) { HandleLine(std::string(line), now); });
}

void Simulator::HandleLine(const std::string& line, SteadyTime now) {
    log_("rx: " + Printable(line));
    if (options_.Silent)
        return;
    DeviceCommand command = device_.Accept(line);
    if (Quiet(now)) {
        // Restarting: settings still reach the memory, but nothing is answered.
        if (command == DeviceCommand::Programmed)
            log_("applied while restarting");
        return;
    }
    switch (command) {
    case DeviceCommand::ReportRequest:
        for (const std::string& reportLine : device_.Report())
            Say(reportLine);
        log_("report sent");
        break;
    case DeviceCommand::Programmed:
        log_("settings programmed");
        Restart(now);
        break;
    case DeviceCommand::Restore:
        log_("network settings restored");
        Restart(now);
        break;
    case DeviceCommand::None:
        break;
    }
}

void Simulator::Restart(SteadyTime now) {
    output_.DropUnstarted();
    replay_.Pause(now);
    Say(kRestartAnnouncement);
    quietUntil_ = now + std::chrono::duration_cast<SteadyTime::duration>(
                            Seconds(options_.RestartQuietSeconds));
    log_("restart");
}

void Simulator::Say(const std::string& line) {
    if (options_.Noise) {
        std::string before = noise_.Before(line);
        if (!before.empty())
            output_.Push(std::move(before));
    }
    bool queued = output_.Push(options_.Noise ? noise_.Disguise(line) : line + "\r\n", line);
    // Say so when lines start being dropped and when they flow again, not for each line.
    if (!queued && !dropping_)
        log_("output full: dropping lines until the port is read");
    else if (queued && dropping_)
        log_("output flows again");
    dropping_ = !queued;
}

void Simulator::Tick(SteadyTime now) {
    if (options_.Silent || Quiet(now))
        return;
    if (quietUntil_) {
        quietUntil_.reset();
        // Back from the restart: a fresh start for the streams, no catching up.
        nextSecond_ = static_cast<int64_t>(std::ceil(UnixSeconds(now)));
        aisBudget_ = 0;
        aisCounted_ = now;
        replay_.Resume(now);
        log_("resumed");
    }
    auto second = static_cast<int64_t>(std::floor(UnixSeconds(now)));
    if (second >= nextSecond_) {
        EverySecond(second);
        nextSecond_ = second + 1;
    }
    StreamAis(now);
    StreamReplay(now);
}

void Simulator::StreamReplay(SteadyTime now) {
    if (replayOver_ || ReplayRoom() == 0)
        return;
    replay_.Tick(now, *this, ReplayRoom());
    if (replay_.Status() == TReplayStatus::Failed) {
        log_("replay stopped: " + replay_.Error());
        replayOver_ = true;
    } else if (replay_.Status() == TReplayStatus::Ended) {
        if (options_.ReplayLoop && replay_.Progress().Position > 0 &&
            replay_.Start(options_.ReplayFile, now)) {
            log_("replay starts again");
        } else {
            log_(replay_.Status() == TReplayStatus::Failed
                     ? "replay stopped: " + replay_.Error()
                     : "replay ended: the port stays open and silent");
            replayOver_ = true;
        }
    }
}

void Simulator::ReplayLine(std::string_view line, bool) {
    Say(std::string(line));
}

void Simulator::EverySecond(int64_t unixSecond) {
    if (options_.Noise) {
        // First, while the queue is likely empty: a burst is larger than the queue's limit.
        std::string burst = noise_.Burst();
        if (!burst.empty())
            output_.Push(std::move(burst));
    }
    if (options_.Gps && device_.Settings().GpsOutputOn && options_.ReplayFile.empty())
        for (const std::string& sentence : gps_.Epoch(unixSecond))
            Say(sentence);
}

void Simulator::StreamAis(SteadyTime now) {
    if (!ais_)
        return;
    // At most a second's worth is owed: a stalled loop does not make up for lost time.
    aisBudget_ = std::min(aisBudget_ + options_.AisRate * Seconds(now - aisCounted_).count(),
                          std::max(options_.AisRate, 1.0));
    aisCounted_ = now;
    while (aisBudget_ >= 1) {
        std::vector<std::string> message = ais_->NextMessage(UnixSeconds(now));
        if (message.empty())
            break;
        // The fragments of a message stay together.
        for (const std::string& sentence : message)
            Say(sentence);
        aisBudget_ -= static_cast<double>(message.size());
    }
}

Simulator::SteadyTime Simulator::NextDue() const {
    if (options_.Silent)
        return SteadyTime::max();
    if (quietUntil_)
        return *quietUntil_;
    SteadyTime due = SteadyOf(static_cast<double>(nextSecond_));
    // A full output waits for the port to be read, not for the time.
    if (!replayOver_ && ReplayRoom() > 0)
        due = std::min(due, replay_.NextDue());
    if (ais_)
        due = std::min(due, aisCounted_ + std::chrono::duration_cast<SteadyTime::duration>(
                                              Seconds((1 - aisBudget_) / options_.AisRate)));
    return due;
}
