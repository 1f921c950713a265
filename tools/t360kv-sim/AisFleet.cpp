#include "AisFleet.h"

#include "VdmSentences.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kCentreLatitude = 25.30;
constexpr double kCentreLongitude = 121.35;
// Carrier-sense class B units send this fixed radio status.
constexpr uint32_t kClassBRadioStatus = 393222;
// Unit CS, DSC, band and message 22 capable, RAIM in use, ITDMA radio status.
constexpr uint8_t kClassBFlags = 0b10111011;
constexpr int kStaticEveryTurns = 6;

int32_t AisAngle(double degrees) {
    return static_cast<int32_t>(std::llround(degrees * 600000.0));
}

std::vector<FleetVessel> DefaultFleet() {
    auto track = [](double dLat, double dLon, double radius, double knots, double start,
                    bool clockwise) {
        return CircleTrack{
            kCentreLatitude + dLat, kCentreLongitude + dLon, radius, knots, start, clockwise};
    };
    return {
        {416000101,
         true,
         "SEA BREEZE 8",
         "BQ1234",
         "KEELUNG",
         70,
         {120, 30, 10, 12},
         78,
         0,
         track(0.05, -0.04, 3.0, 12.5, 40, true)},
        {416000102,
         true,
         "HARBOUR STAR",
         "BQ2345",
         "TAIPEI",
         80,
         {160, 40, 14, 14},
         95,
         0,
         track(-0.03, 0.06, 4.5, 9.0, 200, false)},
        {416000103,
         true,
         "JADE ORIENT",
         "BQ3456",
         "KAOHSIUNG",
         60,
         {90, 20, 8, 8},
         52,
         0,
         track(0.08, 0.02, 2.0, 15.0, 110, true)},
        {416000104,
         true,
         "BLUE LANTERN",
         "BQ4567",
         "ANCHORAGE",
         79,
         {70, 15, 6, 6},
         40,
         1,
         track(-0.06, -0.05, 0, 0, 0, true)},
        {416000201,
         false,
         "PELICAN II",
         "BR5678",
         "",
         37,
         {9, 3, 2, 2},
         0,
         0,
         track(0.02, 0.03, 1.0, 5.5, 300, false)},
        {416000202,
         false,
         "MORNING DEW",
         "BR6789",
         "",
         30,
         {14, 4, 3, 3},
         0,
         0,
         track(-0.02, -0.02, 1.5, 7.0, 20, true)},
    };
}

} // namespace

AisFleet::AisFleet() : AisFleet(DefaultFleet()) {}

AisFleet::AisFleet(std::vector<FleetVessel> vessels)
    : vessels_(std::move(vessels)), turns_(vessels_.size(), 0) {}

std::vector<std::string> AisFleet::NextMessage(double unixSeconds) {
    if (vessels_.empty())
        return {};
    size_t index = next_;
    next_ = (next_ + 1) % vessels_.size();
    AisPayload payload = NextPayload(vessels_[index], turns_[index]++, unixSeconds);
    std::vector<std::string> sentences = VdmSentences(payload, channel_, sequenceId_);
    channel_ = channel_ == 'A' ? 'B' : 'A';
    if (sentences.size() > 1)
        sequenceId_ = (sequenceId_ + 1) % 10;
    return sentences;
}

AisPayload AisFleet::NextPayload(const FleetVessel& vessel, unsigned turn,
                                 double unixSeconds) const {
    TrackPoint at = vessel.Track.At(unixSeconds);
    auto speed = static_cast<uint16_t>(std::min(std::lround(at.Speed * 10), 1022L));
    auto course = static_cast<uint16_t>(std::lround(at.Course * 10) % 3600);
    auto heading = static_cast<uint16_t>(std::lround(at.Course) % 360);
    auto second = static_cast<uint8_t>(static_cast<long long>(std::floor(unixSeconds)) % 60);
    unsigned slot = turn % kStaticEveryTurns;

    if (vessel.ClassA) {
        if (slot == kStaticEveryTurns - 1) {
            AisStaticVoyage m;
            m.Mmsi = vessel.Mmsi;
            m.Imo = 9000000 + vessel.Mmsi % 1000000;
            m.CallSign = vessel.CallSign;
            m.Name = vessel.Name;
            m.ShipType = vessel.ShipType;
            m.Dimensions = vessel.Size;
            m.EtaMonth = 6;
            m.EtaDay = 15;
            m.EtaHour = 8;
            m.EtaMinute = 30;
            m.DraughtTenths = vessel.DraughtTenths;
            m.Destination = vessel.Destination;
            return EncodeAis(m);
        }
        AisPositionReport m;
        m.Type = slot % 3 == 2 ? 3 : 1;
        m.Mmsi = vessel.Mmsi;
        m.NavigationStatus = vessel.NavigationStatus;
        m.RateOfTurn = 0;
        m.SpeedTenths = speed;
        m.Accurate = true;
        m.Longitude = AisAngle(at.Longitude);
        m.Latitude = AisAngle(at.Latitude);
        m.CourseTenths = course;
        m.Heading = heading;
        m.Second = second;
        return EncodeAis(m);
    }
    if (slot == kStaticEveryTurns - 2)
        return EncodeAis(AisClassBName{vessel.Mmsi, vessel.Name});
    if (slot == kStaticEveryTurns - 1)
        return EncodeAis(
            AisClassBStatic{vessel.Mmsi, vessel.ShipType, "SIMRX", vessel.CallSign, vessel.Size});
    AisClassBPosition m;
    m.Mmsi = vessel.Mmsi;
    m.SpeedTenths = speed;
    m.Longitude = AisAngle(at.Longitude);
    m.Latitude = AisAngle(at.Latitude);
    m.CourseTenths = course;
    m.Heading = heading;
    m.Second = second;
    m.Flags = kClassBFlags;
    m.RadioStatus = kClassBRadioStatus;
    return EncodeAis(m);
}
