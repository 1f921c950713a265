#include "nmea/FormatterTable.h"

#include "nmea/CompiledLayout.h"

#include "nmea/EquipmentLayouts.h"
#include "nmea/NavigationLayouts.h"
#include "nmea/ProprietaryLayouts.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstring>

namespace {

namespace nav = navigation_rows;
namespace eq = equipment_rows;
namespace prop = proprietary_rows;

// GSV: every 8-bit field reads as empty and every azimuth as -1 until the sentence
// writes it, so blocks it does not carry read as empty.
void PresetGsv(DecodedSentence& sentence) {
    GsvFields& gsv = sentence.Gsv;
    gsv.SentenceCount = gsv.SentenceNumber = gsv.SatellitesInView = gsv.BlockCount = kEmptyInt8;
    for (int k = 0; k < 4; ++k) {
        gsv.Prn[k] = gsv.Elevation[k] = gsv.Snr[k] = kEmptyInt8;
        gsv.Azimuth[k] = kEmptyInt16;
    }
}

// VDM, VDO, ABM and BBM: even a rejected fragment leaves an empty payload behind.
void ClearEncapsulation(DecodedSentence& sentence) {
    std::memset(&sentence.Encapsulation, 0, offsetof(EncapsulationFields, Channel) + 1);
}

constexpr uint16_t At(size_t offset) {
    return static_cast<uint16_t>(offset);
}

// clang-format off
constexpr SentenceLayout kGga[] = {CompiledLayout<nav::kGga>()};
constexpr SentenceLayout kGll[] = {CompiledLayout<nav::kGll>()};
constexpr SentenceLayout kGsa[] = {CompiledLayout<nav::kGsa>()};
constexpr SentenceLayout kGsv[] = {CompiledLayout<nav::kGsv1>(), CompiledLayout<nav::kGsv2>(), CompiledLayout<nav::kGsv3>(), CompiledLayout<nav::kGsv4>()};
constexpr SentenceLayout kRmc[] = {CompiledLayout<nav::kRmc13>(), CompiledLayout<nav::kRmc12>(), CompiledLayout<nav::kRmc11>()};
constexpr SentenceLayout kVtg[] = {CompiledLayout<nav::kVtg>()};
constexpr SentenceLayout kZda[] = {CompiledLayout<nav::kZda>()};
constexpr SentenceLayout kGbs[] = {CompiledLayout<nav::kGbs>()};
constexpr SentenceLayout kGns[] = {CompiledLayout<nav::kGns>()};
constexpr SentenceLayout kVbw[] = {CompiledLayout<nav::kVbw>()};
constexpr SentenceLayout kRot[] = {CompiledLayout<nav::kRot>()};
constexpr SentenceLayout kHdt[] = {CompiledLayout<nav::kHdt>()};
constexpr SentenceLayout kGrs[] = {CompiledLayout<nav::kGrs>()};
constexpr SentenceLayout kGst[] = {CompiledLayout<nav::kGst>()};
constexpr SentenceLayout kDtm[] = {CompiledLayout<nav::kDtm>()};
constexpr SentenceLayout kOsd[] = {CompiledLayout<nav::kOsd>()};
constexpr SentenceLayout kRma[] = {CompiledLayout<nav::kRma>()};
constexpr SentenceLayout kWpl[] = {CompiledLayout<nav::kWpl>()};
constexpr SentenceLayout kVdm[] = {CompiledLayout<eq::kVdm>()};
constexpr SentenceLayout kAbm[] = {CompiledLayout<eq::kAbm>()};
constexpr SentenceLayout kBbm[] = {CompiledLayout<eq::kBbm>()};
constexpr SentenceLayout kAbk[] = {CompiledLayout<eq::kAbk>()};
constexpr SentenceLayout kAca[] = {CompiledLayout<eq::kAca>()};
constexpr SentenceLayout kAck[] = {CompiledLayout<eq::kAck>()};
constexpr SentenceLayout kAcs[] = {CompiledLayout<eq::kAcs>()};
constexpr SentenceLayout kAiq[] = {CompiledLayout<eq::kAiq>()};
constexpr SentenceLayout kAlr[] = {CompiledLayout<eq::kAlr>()};
constexpr SentenceLayout kSsd[] = {CompiledLayout<eq::kSsd>()};
constexpr SentenceLayout kTxt[] = {CompiledLayout<eq::kTxt>()};
constexpr SentenceLayout kVsd[] = {CompiledLayout<eq::kVsd>()};
constexpr SentenceLayout kQuery[] = {CompiledLayout<eq::kQuery>()};
constexpr SentenceLayout kMid[] = {CompiledLayout<prop::kMid>()};
constexpr SentenceLayout kBdy[] = {CompiledLayout<prop::kBdy>()};
constexpr SentenceLayout kTst[] = {CompiledLayout<prop::kTst>()};
constexpr SentenceLayout kFrq[] = {CompiledLayout<prop::kFrq>()};
constexpr SentenceLayout kBth[] = {CompiledLayout<prop::kBth>()};
constexpr SentenceLayout kDbg[] = {CompiledLayout<prop::kDbg>()};
constexpr SentenceLayout kTps[] = {CompiledLayout<prop::kTps>()};
constexpr SentenceLayout kSmg[] = {CompiledLayout<prop::kSmg>()};
constexpr SentenceLayout kMob[] = {CompiledLayout<prop::kMob>()};

using D = DecodedSentence;
constexpr FormatterRow kRows[] = {
    // formatter group           record                          layouts prepare             merge
    {"GGA", sgGnss,         At(offsetof(D, Gga)),           kGga,   nullptr,            MergeGga},
    {"GLL", sgGnss,         At(offsetof(D, Gll)),           kGll,   nullptr,            MergeGll},
    {"GBS", sgGnss,         At(offsetof(D, Gbs)),           kGbs,   nullptr,            MergeGbs},
    {"GSA", sgGnss,         At(offsetof(D, Gsa)),           kGsa,   nullptr,            MergeGsa},
    {"GSV", sgGnss,         At(offsetof(D, Gsv)),           kGsv,   PresetGsv,          MergeGsv},
    {"RMC", sgGnss,         At(offsetof(D, Rmc)),           kRmc,   nullptr,            MergeRmc},
    {"VTG", sgGnss,         At(offsetof(D, Vtg)),           kVtg,   nullptr,            MergeVtg},
    {"ZDA", sgGnss,         At(offsetof(D, Zda)),           kZda,   nullptr,            MergeZda},
    {"ROT", sgHeading,      At(offsetof(D, Rot)),           kRot,   nullptr,            nullptr},
    {"HDT", sgHeading,      At(offsetof(D, Hdt)),           kHdt,   nullptr,            nullptr},
    {"VBW", sgHeading,      At(offsetof(D, Vbw)),           kVbw,   nullptr,            nullptr},
    {"GNS", sgHeading,      At(offsetof(D, Gns)),           kGns,   nullptr,            nullptr},
    {"DTM", sgNone,         At(offsetof(D, Dtm)),           kDtm,   nullptr,            nullptr},
    {"GRS", sgNone,         At(offsetof(D, Grs)),           kGrs,   nullptr,            nullptr},
    {"GST", sgNone,         At(offsetof(D, Gst)),           kGst,   nullptr,            nullptr},
    {"OSD", sgNone,         At(offsetof(D, Osd)),           kOsd,   nullptr,            nullptr},
    {"RMA", sgNone,         At(offsetof(D, Rma)),           kRma,   nullptr,            nullptr},
    {"WPL", sgNone,         At(offsetof(D, Wpl)),           kWpl,   nullptr,            nullptr},
    {"LRI", sgLongRange,    0,                              {},     nullptr,            nullptr},
    {"LRF", sgLongRange,    0,                              {},     nullptr,            nullptr},
    {"LR1", sgLongRange,    0,                              {},     nullptr,            nullptr},
    {"LR2", sgLongRange,    0,                              {},     nullptr,            nullptr},
    {"LR3", sgLongRange,    0,                              {},     nullptr,            nullptr},
    {"ABK", sgAisEquipment, At(offsetof(D, Abk)),           kAbk,   nullptr,            nullptr},
    {"ACA", sgAisEquipment, At(offsetof(D, Aca)),           kAca,   nullptr,            nullptr},
    {"ACK", sgAisEquipment, At(offsetof(D, Ack)),           kAck,   nullptr,            nullptr},
    {"ACS", sgAisEquipment, At(offsetof(D, Acs)),           kAcs,   nullptr,            nullptr},
    {"ALR", sgAisEquipment, At(offsetof(D, Alr)),           kAlr,   nullptr,            nullptr},
    {"SSD", sgAisEquipment, At(offsetof(D, Ssd)),           kSsd,   nullptr,            nullptr},
    {"VSD", sgAisEquipment, At(offsetof(D, Vsd)),           kVsd,   nullptr,            nullptr},
    {"TXT", sgAisEquipment, At(offsetof(D, Txt)),           kTxt,   nullptr,            nullptr},
    {"ABM", sgAisEquipment, At(offsetof(D, Encapsulation)), kAbm,   ClearEncapsulation, nullptr},
    {"BBM", sgAisEquipment, At(offsetof(D, Encapsulation)), kBbm,   ClearEncapsulation, nullptr},
    {"VDM", sgAisEquipment, At(offsetof(D, Encapsulation)), kVdm,   ClearEncapsulation, nullptr},
    {"VDO", sgAisEquipment, At(offsetof(D, Encapsulation)), kVdm,   ClearEncapsulation, nullptr},
    {"AIQ", sgNone,         At(offsetof(D, Aiq)),           kAiq,   nullptr,            nullptr},
    {"Q",   sgNone,         At(offsetof(D, Query)),         kQuery, nullptr,            nullptr},
    {"DSC", sgDsc,          0,                              {},     nullptr,            nullptr},
    {"DSE", sgDsc,          0,                              {},     nullptr,            nullptr},
    {"DSI", sgDsc,          0,                              {},     nullptr,            nullptr},
    {"DSR", sgDsc,          0,                              {},     nullptr,            nullptr},
    {"MID", sgDevice,       At(offsetof(D, Mid)),           kMid,   nullptr,            nullptr},
    {"BDY", sgDevice,       At(offsetof(D, Bdy)),           kBdy,   nullptr,            nullptr},
    {"TST", sgDevice,       At(offsetof(D, Tst)),           kTst,   nullptr,            nullptr},
    {"FRQ", sgDevice,       At(offsetof(D, Frq)),           kFrq,   nullptr,            nullptr},
    {"BTH", sgDevice,       At(offsetof(D, Bth)),           kBth,   nullptr,            nullptr},
    {"DBG", sgDevice,       At(offsetof(D, Dbg)),           kDbg,   nullptr,            nullptr},
    {"TPS", sgDevice,       At(offsetof(D, Tps)),           kTps,   nullptr,            nullptr},
    {"MOB", sgDevice,       At(offsetof(D, Mob)),           kMob,   nullptr,            nullptr},
    {"Smg", sgNone,         At(offsetof(D, Smg)),           kSmg,   nullptr,            nullptr},
};
// clang-format on

// Open addressing over the formatter's four bytes; the table is built by the compiler,
// and a lookup takes at most kLongestProbe + 1 comparisons.
constexpr uint32_t KeyOf(const char (&formatter)[4]) {
    std::array<char, 4> bytes{formatter[0], formatter[1], formatter[2], formatter[3]};
    return std::bit_cast<uint32_t>(bytes);
}
constexpr int kSlotBits = 7;
constexpr uint32_t kSlotMask = (1u << kSlotBits) - 1;
constexpr uint32_t SlotOf(uint32_t key) {
    return (key * 2654435761u) >> (32 - kSlotBits);
}
constexpr uint8_t kFreeSlot = 0xFF;
static_assert(std::size(kRows) < kSlotMask / 2);

struct SlotTable {
    std::array<uint8_t, kSlotMask + 1> row{};
    std::array<uint32_t, kSlotMask + 1> key{};
    int longestProbe = 0;
};
constexpr SlotTable BuildSlots() {
    SlotTable table;
    table.row.fill(kFreeSlot);
    for (size_t i = 0; i < std::size(kRows); ++i) {
        uint32_t key = KeyOf(kRows[i].formatter);
        uint32_t slot = SlotOf(key);
        int probe = 0;
        while (table.row[slot] != kFreeSlot) {
            slot = (slot + 1) & kSlotMask;
            ++probe;
        }
        table.row[slot] = static_cast<uint8_t>(i);
        table.key[slot] = key;
        table.longestProbe = probe > table.longestProbe ? probe : table.longestProbe;
    }
    return table;
}
constexpr SlotTable kSlots = BuildSlots();
static_assert(kSlots.longestProbe <= 3, "choose another multiplier");

} // namespace

const FormatterRow* FindFormatter(const char (&formatter)[4]) {
    uint32_t key = KeyOf(formatter);
    uint32_t slot = SlotOf(key);
    for (int probe = 0; probe <= kSlots.longestProbe; ++probe) {
        uint8_t index = kSlots.row[slot];
        if (index == kFreeSlot)
            return nullptr;
        if (kSlots.key[slot] == key)
            return &kRows[index];
        slot = (slot + 1) & kSlotMask;
    }
    return nullptr;
}

const SentenceLayout* LayoutOf(const FormatterRow& row, const FieldList& fields) {
    for (const SentenceLayout& layout : row.layouts)
        if (HasFieldCount(fields, layout.dataFields))
            return &layout;
    return nullptr;
}

std::span<const FormatterRow> FormatterRows() {
    return kRows;
}
