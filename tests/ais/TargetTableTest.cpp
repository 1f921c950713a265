// The table of stations heard: entries by MMSI, the own station, reuse of the entry heard
// least recently, what each message type writes, and the last-message records.
#include "AisTestSupport.h"

#include "ais/AisTargets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace ais_tables;

AisStamp At(int second, int day = 1) {
    return {{2024, 5, static_cast<uint8_t>(day)},
            {static_cast<uint8_t>(second / 3600), static_cast<uint8_t>(second / 60 % 60),
             static_cast<uint8_t>(second % 60), 0}};
}

// A message of `type` from `mmsi`, 168 bits, every field after the MMSI zero unless
// `fill` writes it.
AisMessage Message(int type, int64_t mmsi, void (*fill)(AisBitWriter&) = nullptr,
                   size_t bits = 168) {
    AisBitWriter w;
    w.Put(type, 6).Put(0, 2).Put(mmsi, 30);
    if (fill != nullptr)
        fill(w);
    AisMessage message;
    EXPECT_TRUE(DecodeWritten(w.PadTo(bits), message));
    return message;
}

struct Table {
    std::unique_ptr<AisTargetTable> owned = std::make_unique<AisTargetTable>();
    AisTargetTable& table = *owned;
    Table() { InitAisTargets(table); }
    int32_t Vdm(const AisMessage& message, int second = 0) {
        return UpdateAisTarget(table, message, 'A' - 48, false, At(second));
    }
    int32_t Vdo(const AisMessage& message, int second = 0) {
        return UpdateAisTarget(table, message, 'A' - 48, true, At(second));
    }
    const AisTarget& operator[](int32_t entry) const { return table.Targets[entry]; }
};

TEST(InitAisTargets, LeavesTheOwnStationAndEmptyEntries) {
    Table t;
    EXPECT_EQ(t.table.Count, 1);
    EXPECT_EQ(t[0].Kind, tkClassA);
    EXPECT_EQ(t[0].Mmsi, 0);
    EXPECT_FLOAT_EQ(t[0].Longitude, 150.0f);
    EXPECT_FLOAT_EQ(t[0].Latitude, -30.0f);
    EXPECT_FLOAT_EQ(t[0].Speed, 15.0f);
    EXPECT_FLOAT_EQ(t[0].Course, 301.0f);
    EXPECT_FLOAT_EQ(t[0].Heading, 62.0f);
    EXPECT_FLOAT_EQ(t[0].RateOfTurn, 5.0f);
    EXPECT_EQ(t[kAisTargetCapacity - 1].Kind, tkEmpty);
    EXPECT_FLOAT_EQ(t[kAisTargetCapacity - 1].Longitude, 181.0f);
    EXPECT_FLOAT_EQ(t[kAisTargetCapacity - 1].Latitude, 91.0f);
    EXPECT_EQ(t.table.LastIndex, -1);
    EXPECT_EQ(t.table.LastType, -1);
    EXPECT_EQ(t.table.GroupAssignment.NewMessage, 0);
    AisMessage corners{};
    std::memcpy(corners.Bytes, t.table.GroupAssignment.Message, 33);
    EXPECT_FLOAT_EQ(LoadAisValue<float>(corners, AisOffsetOf(kGroupAssignment, "ne_lon")), 181);
    EXPECT_FLOAT_EQ(LoadAisValue<float>(corners, AisOffsetOf(kGroupAssignment, "sw_lat")), 91);
}

TEST(UpdateAisTarget, NewMmsisTakeTheNextEntries) {
    Table t;
    EXPECT_EQ(t.Vdm(Message(1, 100)), 1);
    EXPECT_EQ(t.Vdm(Message(1, 200)), 2);
    EXPECT_EQ(t.Vdm(Message(3, 100)), 1);
    EXPECT_EQ(t.Vdm(Message(18, 300)), 3);
    EXPECT_EQ(t.table.Count, 4);
    EXPECT_EQ(t[2].Mmsi, 200);
    EXPECT_EQ(t.table.LastIndex, 3);
    EXPECT_EQ(t.table.LastType, 18);
}

TEST(UpdateAisTarget, TheOwnStationIsEntryZero) {
    Table t;
    // While entry 0 has no MMSI, a message from MMSI 0 is its own.
    EXPECT_EQ(t.Vdm(Message(1, 0)), 0);
    EXPECT_EQ(t.Vdo(Message(1, 111)), 0);
    EXPECT_EQ(t[0].Mmsi, 111);
    EXPECT_EQ(t.Vdm(Message(1, 111)), 0);
    // A later VDO of another MMSI still goes to entry 0 and leaves its MMSI.
    EXPECT_EQ(t.Vdo(Message(1, 222)), 0);
    EXPECT_EQ(t[0].Mmsi, 111);
    EXPECT_EQ(t.Vdm(Message(1, 0)), 1);
    EXPECT_EQ(t.table.Count, 2);
}

TEST(UpdateAisTarget, AnOwnStationWithoutMmsiIsNewOnlyOnce) {
    Table t;
    EXPECT_EQ(t.Vdo(Message(1, 0), 10), 0);
    t.table.Targets[0].VdoCount = 5;
    EXPECT_EQ(t.Vdo(Message(1, 0), 20), 0);
    EXPECT_EQ(t[0].FirstHeard.Time.Second, 10);
    EXPECT_EQ(t[0].LastHeard.Time.Second, 20);
    EXPECT_EQ(t[0].VdoCount, 5);
}

TEST(UpdateAisTarget, StampsFirstAndLastHeard) {
    Table t;
    t.Vdm(Message(1, 100), 5);
    t.table.Targets[1].VdmCount = 3;
    t.Vdm(Message(1, 100), 9);
    EXPECT_EQ(t[1].FirstHeard.Time.Second, 5);
    EXPECT_EQ(t[1].LastHeard.Time.Second, 9);
    EXPECT_EQ(t[1].LastHeard.Date.Year, 2024);
    EXPECT_EQ(t[1].VdmCount, 3);
}

TEST(UpdateAisTarget, TypesZeroAndAbove24AreRefused) {
    Table t;
    AisMessage message{};
    message.Bytes[0] = 25;
    EXPECT_EQ(t.Vdm(message), -1);
    EXPECT_EQ(t.table.Count, 1);
}

// Fills every entry, entry e heard at second `heard(e)`.
void Fill(Table& t, int (*heard)(int entry)) {
    for (int entry = 1; entry < kAisTargetCapacity; ++entry)
        ASSERT_EQ(t.Vdm(Message(1, 1000 + entry), heard(entry)), entry);
}

TEST(UpdateAisTarget, AFullTableReusesTheEntryHeardLeastRecently) {
    Table t;
    Fill(t, [](int entry) { return entry == 700 ? 5 : 1000 + entry % 50; });
    auto oldVoyage = [](AisBitWriter& w) {
        w.Put(0, 2).Put(9074729, 30).PutText("CALL", 7).PutText("OLD NAME", 20);
        w.Put(70, 8).Put(0, 30).Put(1, 4).Put(0, 20).Put(50, 8).PutText("OLD PORT", 20);
    };
    t.Vdm(Message(5, 1700, oldVoyage, 424), 5);
    t.table.Targets[700].VdmCount = 9;

    EXPECT_EQ(t.Vdm(Message(1, 99999), 3000), 700);
    EXPECT_EQ(t.table.Count, kAisTargetCapacity);
    const AisTarget& reused = t[700];
    EXPECT_EQ(reused.Mmsi, 99999);
    EXPECT_EQ(reused.VdmCount, 0);
    EXPECT_EQ(reused.FirstHeard.Time.Hour, 0);
    EXPECT_EQ(reused.FirstHeard.Time.Minute, 50);
    EXPECT_FLOAT_EQ(reused.Reserved[0], -1.0f);
    // Nothing of the previous station passes to the new one.
    EXPECT_EQ(reused.Imo, 0);
    EXPECT_STREQ(reused.Name, "");
    EXPECT_STREQ(reused.Destination, "");
    EXPECT_EQ(reused.ShipType, 0);
    EXPECT_EQ(reused.Status & 0x0F, 0);

    // The old MMSI is gone: it takes the next oldest entry.
    EXPECT_EQ(t.Vdm(Message(1, 1700), 3001), 50);
    EXPECT_EQ(t.Vdm(Message(1, 99999), 3002), 700);
}

TEST(UpdateAisTarget, OnATieTheFirstEntryIsReused) {
    Table t;
    Fill(t, [](int entry) { return entry < 100 ? 2000 : 1000; });
    EXPECT_EQ(t.Vdm(Message(1, 99999), 3000), 100);
}

// The table by its description: the first entry from 0 on with the MMSI, found by
// searching in order; the least recently heard entry from 1 on reused, the first of equals.
class InOrderTable {
public:
    int32_t Update(int32_t mmsi, bool isVdo, int heard) {
        int32_t entry = -1;
        if (isVdo) {
            entry = 0;
            if (mmsi_[0] == 0)
                mmsi_[0] = mmsi;
        } else {
            auto found = std::find(mmsi_.begin(), mmsi_.end(), mmsi);
            if (found != mmsi_.end()) {
                entry = static_cast<int32_t>(found - mmsi_.begin());
            } else if (mmsi_.size() < kAisTargetCapacity) {
                entry = static_cast<int32_t>(mmsi_.size());
                mmsi_.push_back(mmsi);
                heard_.push_back(0);
            } else {
                entry = static_cast<int32_t>(std::min_element(heard_.begin() + 1, heard_.end()) -
                                             heard_.begin());
                mmsi_[static_cast<size_t>(entry)] = mmsi;
            }
        }
        heard_[static_cast<size_t>(entry)] = heard;
        return entry;
    }
    size_t Count() const { return mmsi_.size(); }

private:
    std::vector<int32_t> mmsi_{0};
    std::vector<int> heard_{0};
};

TEST(UpdateAisTarget, TheIndexFindsTheEntryOfTheInOrderSearch) {
    std::mt19937 random(20240501);
    std::vector<int32_t> stations(3200);
    for (int32_t& mmsi : stations)
        mmsi = static_cast<int32_t>(random() % 1000000000);
    stations[0] = 0;
    Table t;
    InOrderTable expected;
    std::vector<AisMessage> messages;
    for (int32_t mmsi : stations)
        messages.push_back(Message(1, mmsi));
    for (int i = 0; i < 30000; ++i) {
        // Busy stations are heard more often; a few VDOs from the own station and others.
        size_t station = std::min(random() % stations.size(), random() % stations.size());
        bool isVdo = random() % 50 == 0;
        // Several messages in each second; halfway the clock is put back an hour.
        int second = 5000 + i / 7 - (i >= 15000 ? 3600 : 0);
        int32_t entry = UpdateAisTarget(t.table, messages[station], 17, isVdo, At(second % 86400));
        ASSERT_EQ(entry, expected.Update(stations[station], isVdo, second)) << "message " << i;
    }
    EXPECT_EQ(static_cast<size_t>(t.table.Count), expected.Count());
}

TEST(UpdateAisTarget, PositionReportsWriteMotionAndFlags) {
    Table t;
    auto classA = [](AisBitWriter& w) {
        w.Put(3, 4).Put(-10, 8).Put(123, 10).Put(1, 1).Put(-73500000, 28).Put(22680000, 27);
        w.Put(2345, 12).Put(400, 9).Put(42, 6).Put(0, 4).Put(0, 1).Put(1, 1);
    };
    t.Vdm(Message(2, 100, classA));
    const AisTarget& a = t[1];
    EXPECT_EQ(a.Kind, tkClassA);
    EXPECT_EQ(a.Status >> 4, 3);
    EXPECT_EQ(a.Flags, 0b011);
    EXPECT_FLOAT_EQ(a.Longitude, -122.5f);
    EXPECT_FLOAT_EQ(a.Latitude, 37.8f);
    EXPECT_FLOAT_EQ(a.Speed, 12.3f);
    EXPECT_FLOAT_EQ(a.Course, 234.5f);
    EXPECT_FLOAT_EQ(a.Heading, 511.0f);
    EXPECT_NEAR(a.RateOfTurn, -4.464, 0.001);

    auto classB = [](AisBitWriter& w) {
        w.Put(0, 8).Put(71, 10).Put(0, 1).Put(600000, 28).Put(-600000, 27).Put(900, 12);
        w.Put(90, 9).Put(15, 6).Put(0, 2).Put(0b10110101, 8);
    };
    t.Vdm(Message(18, 200, classB));
    const AisTarget& b = t[2];
    EXPECT_EQ(b.Kind, tkClassB);
    EXPECT_FLOAT_EQ(b.Longitude, 1.0f);
    EXPECT_FLOAT_EQ(b.Latitude, -1.0f);
    EXPECT_FLOAT_EQ(b.Heading, 90.0f);
    // Assigned, unit, display, DSC, band and message 22 from the report; RAIM in the flags.
    EXPECT_EQ(b.ClassBFlags, 0b011011);
    EXPECT_EQ(b.Flags, 0b000);

    auto aircraft = [](AisBitWriter& w) { w.Put(1500, 12).Put(140, 10).Put(1, 1); };
    t.Vdm(Message(9, 300, aircraft));
    EXPECT_EQ(t[3].Kind, tkSarAircraft);
    EXPECT_FLOAT_EQ(t[3].Extra.Altitude, 1500.0f);
    EXPECT_FLOAT_EQ(t[3].Speed, 140.0f);
}

TEST(UpdateAisTarget, ABaseStationReportSetsPositionAndKindWhereTheUtcResponseOnlyStamps) {
    auto report = [](AisBitWriter& w) {
        w.Put(2024, 14).Put(5, 4).Put(1, 5).Put(12, 5).Put(0, 6).Put(0, 6).Put(1, 1);
        w.Put(5961721, 28).Put(32798768, 27).Put(7, 4);
    };
    Table t;
    t.Vdm(Message(4, 2112493, report), 1);
    EXPECT_EQ(t[1].Kind, tkBaseStation);
    EXPECT_NEAR(t[1].Longitude, 9.936202, 1e-5);
    EXPECT_NEAR(t[1].Latitude, 54.664613, 1e-5);
    EXPECT_EQ(t[1].Status & 0x0F, 7);
    EXPECT_EQ(t[1].Flags & 1, 1);

    t.Vdm(Message(11, 3000, report), 2);
    EXPECT_EQ(t[2].Kind, tkEmpty);
    EXPECT_FLOAT_EQ(t[2].Longitude, 181.0f);
    EXPECT_EQ(t[2].LastHeard.Time.Second, 2);
}

TEST(UpdateAisTarget, StaticReportsWriteNamesAndDimensions) {
    Table t;
    auto voyage = [](AisBitWriter& w) {
        w.Put(1, 2).Put(9074729, 30).PutText("LFNA", 7).PutText("FALKVIK", 20).Put(79, 8);
        w.Put(40u << 21 | 10u << 12 | 4u << 6 | 5u, 30).Put(1, 4);
        w.Put(3u << 16 | 14u << 11 | 12u << 6 | 40u, 20).Put(38, 8).PutText("FORUS", 20);
        w.Put(1, 1);
    };
    t.Vdm(Message(5, 100, voyage, 424));
    const AisTarget& s = t[1];
    EXPECT_EQ(s.Imo, 9074729);
    EXPECT_EQ(s.AisVersion, 1);
    EXPECT_STREQ(s.CallSign, "LFNA@@@");
    EXPECT_STREQ(s.Name, "FALKVIK@@@@@@@@@@@@@");
    EXPECT_EQ(s.ShipType, 79);
    EXPECT_EQ(s.ToBow, 40);
    EXPECT_EQ(s.ToStern, 10);
    EXPECT_EQ(s.ToPort, 4);
    EXPECT_EQ(s.ToStarboard, 5);
    EXPECT_EQ(s.Status & 0x0F, 1);
    EXPECT_EQ(s.EtaMonth, 3);
    EXPECT_EQ(s.EtaDay, 14);
    EXPECT_EQ(s.EtaHour, 12);
    EXPECT_EQ(s.EtaMinute, 40);
    EXPECT_FLOAT_EQ(s.Draught, 3.8f);
    EXPECT_STREQ(s.Destination, "FORUS@@@@@@@@@@@@@@@");
    EXPECT_EQ(s.Flags & 4, 4);

    auto aidToNavigation = [](AisBitWriter& w) {
        w.Put(1, 5).PutText("V-79", 20).Put(0, 1).Put(0, 28).Put(0, 27).Put(0, 30).Put(7, 4);
        w.Put(5, 6).Put(1, 1).Put(0, 8).Put(0, 1).Put(1, 1).Put(0, 1).Put(0, 1);
        w.PutText("EXTENSION", 14);
    };
    t.Vdm(Message(21, 200, aidToNavigation, 360));
    const AisTarget& aid = t[2];
    EXPECT_EQ(aid.Kind, tkAidToNavigation);
    EXPECT_STREQ(aid.Name, "V-79@@@@@@@@@@@@@@@@");
    EXPECT_EQ(aid.AidFlags, 0b01000011);
    EXPECT_STREQ(aid.Extra.NameExtension, "EXTENSION@@@@@");
}

TEST(UpdateAisTarget, StaticDataPartsWriteTheirOwnFields) {
    Table t;
    auto partA = [](AisBitWriter& w) { w.Put(0, 2).PutText("WHITEBIRDS", 20); };
    t.Vdm(Message(24, 100, partA, 160));
    EXPECT_EQ(t.table.LastType, 24);
    auto partB = [](AisBitWriter& w) {
        w.Put(1, 2).Put(37, 8).PutText("RAY", 7).PutText("VMQ9877", 7);
        w.Put(20u << 21 | 2u << 12 | 2u << 6 | 2u, 30);
    };
    t.Vdm(Message(24, 100, partB));
    EXPECT_EQ(t.table.LastType, 25);
    const AisTarget& b = t[1];
    EXPECT_EQ(b.Kind, tkClassB);
    EXPECT_STREQ(b.Name, "WHITEBIRDS@@@@@@@@@@");
    EXPECT_EQ(b.ShipType, 37);
    EXPECT_STREQ(b.VendorId, "RAY@@@@");
    EXPECT_STREQ(b.CallSign, "VMQ9877");
    EXPECT_EQ(b.ToBow, 20);

    // Parts 2 and 3 are undefined; read with part A's table, they write nothing.
    AisTarget before = t[1];
    auto part3 = [](AisBitWriter& w) { w.Put(3, 2).PutText("GARBAGE", 20); };
    t.Vdm(Message(24, 100, part3, 160));
    EXPECT_EQ(t.table.LastType, 27);
    EXPECT_STREQ(t[1].Name, before.Name);
    EXPECT_EQ(t[1].ShipType, before.ShipType);
    EXPECT_STREQ(t[1].CallSign, before.CallSign);
}

TEST(UpdateAisTarget, CommandsAndTextsKeepTheirLastMessage) {
    Table t;
    t.Vdm(Message(16, 100));
    EXPECT_EQ(t[1].Kind, tkBaseStation);

    auto addressee = [](AisBitWriter& w) { w.Put(0, 2).Put(300, 30); };
    AisMessage interrogation = Message(15, 200, addressee);
    UpdateAisTarget(t.table, interrogation, 'B' - 48, false, At(0));
    EXPECT_EQ(t.table.Interrogation.NewMessage, 1);
    EXPECT_EQ(t.table.Interrogation.ChannelCode, 18);
    EXPECT_EQ(std::memcmp(t.table.Interrogation.Message, interrogation.Bytes, 27), 0);
    EXPECT_EQ(t[2].Kind, tkEmpty);

    t.Vdm(Message(20, 300));
    EXPECT_EQ(t.table.LinkManagement.ChannelCode, 17);
    EXPECT_EQ(t[3].Kind, tkBaseStation);

    t.Vdm(Message(22, 400));
    EXPECT_EQ(t.table.ChannelManagement.NewMessage, 1);
    t.Vdm(Message(23, 500, nullptr, 160));
    EXPECT_EQ(t.table.GroupAssignment.NewMessage, 1);
    EXPECT_EQ(t[5].Kind, tkBaseStation);

    // A safety text longer than its record still ends inside it.
    auto safetyText = [](AisBitWriter& w) {
        w.Put(0, 2);
        for (int i = 0; i < 160; ++i)
            w.PutText("Z", 1);
    };
    t.Vdm(Message(14, 600, safetyText, 1008));
    EXPECT_EQ(t.table.SafetyBroadcast.Message[127], 0);
    EXPECT_EQ(t.table.SafetyBroadcast.Message[126], 'Z');
    auto addressedText = [](AisBitWriter& w) {
        w.Put(0, 2).Put(100, 30).Put(0, 2);
        for (int i = 0; i < 157; ++i)
            w.PutText("Z", 1);
    };
    t.Vdm(Message(12, 700, addressedText, 1016));
    EXPECT_EQ(t.table.Addressed.Message[169], 0);
    EXPECT_EQ(t.table.Addressed.Message[168], 'Z');
}

} // namespace
