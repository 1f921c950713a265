#include "AisMessages.h"

namespace {

constexpr int kRepeatIndicator = 0;

void Header(AisBitWriter& bits, uint32_t type, uint32_t mmsi) {
    bits.Unsigned(type, 6);
    bits.Unsigned(kRepeatIndicator, 2);
    bits.Unsigned(mmsi, 30);
}

void Dimensions(AisBitWriter& bits, const AisDimensions& size) {
    bits.Unsigned(size.ToBow, 9);
    bits.Unsigned(size.ToStern, 9);
    bits.Unsigned(size.ToPort, 6);
    bits.Unsigned(size.ToStarboard, 6);
}

} // namespace

AisPayload EncodeAis(const AisPositionReport& m) {
    AisBitWriter bits;
    Header(bits, m.Type, m.Mmsi);
    bits.Unsigned(m.NavigationStatus, 4);
    bits.Signed(m.RateOfTurn, 8);
    bits.Unsigned(m.SpeedTenths, 10);
    bits.Unsigned(m.Accurate, 1);
    bits.Signed(m.Longitude, 28);
    bits.Signed(m.Latitude, 27);
    bits.Unsigned(m.CourseTenths, 12);
    bits.Unsigned(m.Heading, 9);
    bits.Unsigned(m.Second, 6);
    bits.Unsigned(m.Manoeuvre, 2);
    bits.Unsigned(0, 3); // spare
    bits.Unsigned(m.Raim, 1);
    bits.Unsigned(m.RadioStatus, 19);
    return bits.Armour();
}

AisPayload EncodeAis(const AisStaticVoyage& m) {
    AisBitWriter bits;
    Header(bits, 5, m.Mmsi);
    bits.Unsigned(m.AisVersion, 2);
    bits.Unsigned(m.Imo, 30);
    bits.Text(m.CallSign, 7);
    bits.Text(m.Name, 20);
    bits.Unsigned(m.ShipType, 8);
    Dimensions(bits, m.Dimensions);
    bits.Unsigned(m.PositionDevice, 4);
    bits.Unsigned(m.EtaMonth, 4);
    bits.Unsigned(m.EtaDay, 5);
    bits.Unsigned(m.EtaHour, 5);
    bits.Unsigned(m.EtaMinute, 6);
    bits.Unsigned(m.DraughtTenths, 8);
    bits.Text(m.Destination, 20);
    bits.Unsigned(m.DteNotReady, 1);
    bits.Unsigned(0, 1); // spare
    return bits.Armour();
}

AisPayload EncodeAis(const AisClassBPosition& m) {
    AisBitWriter bits;
    Header(bits, 18, m.Mmsi);
    bits.Unsigned(0, 8); // regional reserve
    bits.Unsigned(m.SpeedTenths, 10);
    bits.Unsigned(m.Accurate, 1);
    bits.Signed(m.Longitude, 28);
    bits.Signed(m.Latitude, 27);
    bits.Unsigned(m.CourseTenths, 12);
    bits.Unsigned(m.Heading, 9);
    bits.Unsigned(m.Second, 6);
    bits.Unsigned(0, 2); // regional reserve
    bits.Unsigned(m.Flags, 8);
    bits.Unsigned(m.RadioStatus, 19);
    return bits.Armour();
}

AisPayload EncodeAis(const AisClassBName& m) {
    AisBitWriter bits;
    Header(bits, 24, m.Mmsi);
    bits.Unsigned(0, 2); // part A
    bits.Text(m.Name, 20);
    return bits.Armour();
}

AisPayload EncodeAis(const AisClassBStatic& m) {
    AisBitWriter bits;
    Header(bits, 24, m.Mmsi);
    bits.Unsigned(1, 2); // part B
    bits.Unsigned(m.ShipType, 8);
    bits.Text(m.Vendor, 7);
    bits.Text(m.CallSign, 7);
    Dimensions(bits, m.Dimensions);
    bits.Unsigned(0, 6); // spare
    return bits.Armour();
}
