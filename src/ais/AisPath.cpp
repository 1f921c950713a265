#include "ais/AisPath.h"

#include "ais/AisMessageDecoder.h"

#include <climits>
#include <cstring>

namespace {

void CountUp(int32_t& count) {
    if (count < INT32_MAX)
        ++count;
}

} // namespace

AisStamp ReadAisClock(AisClock& clock) {
    if (clock.Set)
        return clock.Stamp;
    std::time_t now = std::time(nullptr);
    if (now == clock.Second)
        return clock.Stamp;
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    clock.Second = now;
    clock.Stamp = {{static_cast<uint16_t>(local.tm_year + 1900),
                    static_cast<uint8_t>(local.tm_mon + 1), static_cast<uint8_t>(local.tm_mday)},
                   {static_cast<uint8_t>(local.tm_hour), static_cast<uint8_t>(local.tm_min),
                    static_cast<uint8_t>(local.tm_sec), 0}};
    return clock.Stamp;
}

void SetAisClock(AisClock& clock, uint32_t seconds) {
    static constexpr uint8_t kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    uint32_t days = seconds / 86400;
    // The date is worked out again only when the day changes.
    if (!clock.Set || static_cast<uint32_t>(clock.Second) / 86400 != days) {
        uint32_t day = days % 365;
        uint8_t month = 0;
        while (day >= kMonthDays[month])
            day -= kMonthDays[month++];
        clock.Stamp.Date = {static_cast<uint16_t>(2000 + days / 365),
                            static_cast<uint8_t>(month + 1), static_cast<uint8_t>(day + 1)};
    }
    clock.Set = true;
    clock.Second = seconds;
    clock.Stamp.Time = {static_cast<uint8_t>(seconds / 3600 % 24),
                        static_cast<uint8_t>(seconds / 60 % 60), static_cast<uint8_t>(seconds % 60),
                        0};
}

bool DecodeAisFragment(const AisFragment& fragment, AisState& ais) {
    if (!AssembleVdm(fragment, ais.Pending))
        return false;
    if (!DearmourPayload(ais.Pending, ais.Bits))
        return false;
    std::memset(&ais.Message, 0, sizeof ais.Message);
    if (!DecodeAisMessage(ais.Bits, ais.Message))
        return false;
    bool isVdo = std::memcmp(fragment.Formatter, "VDO", 3) == 0;
    int32_t entry = UpdateAisTarget(ais.Targets, ais.Message, fragment.Channel - 48, isVdo,
                                    ReadAisClock(ais.Clock));
    if (entry >= 0)
        CountUp(isVdo ? ais.Targets.Targets[entry].VdoCount : ais.Targets.Targets[entry].VdmCount);
    return true;
}

void DiscardPartialAisMessage(AisState& ais) {
    std::memset(&ais.Message, 0, sizeof ais.Message);
    DiscardPendingVdm(ais.Pending);
}
