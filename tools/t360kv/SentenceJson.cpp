#include "SentenceJson.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

template <typename T> T Load(const char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

void WriteInts(JsonWriter& json, const uint8_t* values, int count) {
    json.Punct('[');
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            json.Punct(',');
        json.Int(values[i]);
    }
    json.Punct(']');
}

// One element of a row's kind.
void WriteElement(JsonWriter& json, const FieldRow& row, const char* at) {
    switch (row.kind) {
    case fkInt8:
    case fkSetInt8:
        return json.Int(Load<int8_t>(at));
    case fkUInt8:
    case fkHexByte:
        return json.Int(Load<uint8_t>(at));
    case fkInt16:
        return json.Int(Load<int16_t>(at));
    case fkInt32:
        return json.Int(Load<int32_t>(at));
    case fkReal:
        return json.Real(Load<float>(at));
    case fkChar:
    case fkSetChar:
        return json.String(std::string_view(at, 1));
    case fkText:
        return json.String(std::string_view(at, strnlen(at, row.capacity)));
    case fkTime: {
        UtcTime time = Load<UtcTime>(at);
        uint8_t parts[] = {time.Hour, time.Minute, time.Second, time.Hundredths};
        return WriteInts(json, parts, 4);
    }
    case fkDate: {
        UtcDate date = Load<UtcDate>(at);
        json.Punct('[');
        json.Int(date.Year);
        json.Punct(',');
        json.Int(date.Month);
        json.Punct(',');
        json.Int(date.Day);
        return json.Punct(']');
    }
    case fkHexTriple:
        return WriteInts(json, reinterpret_cast<const uint8_t*>(at), 3);
    case fkHexString:
        return WriteInts(json, reinterpret_cast<const uint8_t*>(at),
                         std::min<int>(Load<uint8_t>(at + 9), 9));
    default:
        return;
    }
}

// A row that writes members, with their names written ahead of time: a position writes
// two (latitude, longitude), a flagged byte its value and whether it was present.
struct Step {
    const FieldRow* Row;
    JsonKey Name;
    JsonKey Second;
};

} // namespace

struct FieldsPlan {
    std::vector<Step> Steps;
};

namespace {

FieldsPlan PlanOf(const SentenceLayout& layout) {
    FieldsPlan plan;
    for (const FieldRow& row : layout.fields) {
        switch (row.kind) {
        case fkSkip:
        case fkLiteral:
            continue;
        case fkLatLon:
            plan.Steps.push_back({&row, JsonKey(row.name, "lat"), JsonKey(row.name, "lon")});
            continue;
        case fkFlaggedHexByte:
            plan.Steps.push_back({&row, JsonKey(row.name), JsonKey(row.name, "_present")});
            continue;
        default:
            plan.Steps.push_back({&row, JsonKey(row.name), {}});
        }
    }
    return plan;
}

// The plans of every layout of every formatter, by row and layout index.
const FieldsPlan& PlanFor(const FormatterRow& formatter, const SentenceLayout& layout) {
    static const std::vector<std::vector<FieldsPlan>> plans = [] {
        std::vector<std::vector<FieldsPlan>> all;
        for (const FormatterRow& row : FormatterRows()) {
            all.emplace_back();
            for (const SentenceLayout& each : row.layouts)
                all.back().push_back(PlanOf(each));
        }
        return all;
    }();
    return plans[static_cast<size_t>(&formatter - FormatterRows().data())]
                [static_cast<size_t>(&layout - formatter.layouts.data())];
}

void WriteStep(JsonWriter& json, const Step& step, const char* record) {
    const FieldRow& row = *step.Row;
    const char* at = record + row.offset;
    switch (row.kind) {
    case fkLatLon: {
        GeoPoint point = Load<GeoPoint>(at);
        json.Key(step.Name);
        json.Real(point.Latitude);
        json.Key(step.Second);
        return json.Real(point.Longitude);
    }
    case fkFlaggedHexByte:
        json.Key(step.Name);
        json.Int(Load<uint8_t>(at));
        json.Key(step.Second);
        return json.Bool(at[1] != 0);
    default:
        break;
    }
    json.Key(step.Name);
    if (row.count == 1)
        return WriteElement(json, row, at);
    json.Punct('[');
    for (int i = 0; i < row.count; ++i) {
        if (i > 0)
            json.Punct(',');
        WriteElement(json, row, at + i * BytesWritten(row));
    }
    json.Punct(']');
}

} // namespace

void WriteSentenceFields(JsonWriter& json, const FormatterRow& formatter, const char* record,
                         uint8_t dataFieldCount) {
    json.Punct('{');
    for (const SentenceLayout& layout : formatter.layouts)
        if (layout.dataFields == dataFieldCount)
            for (const Step& step : PlanFor(formatter, layout).Steps)
                WriteStep(json, step, record);
    json.Punct('}');
}

void WriteSentenceFields(JsonWriter& json, const FormatterRow& formatter,
                         const DecodedSentence& sentence) {
    WriteSentenceFields(json, formatter,
                        reinterpret_cast<const char*>(&sentence) + formatter.recordOffset,
                        sentence.DataFieldCount);
}

void WriteNavigation(JsonWriter& json, const NavigationState& state) {
    static constexpr JsonKey kUtc("utc"), kDate("date"), kLat("lat"), kLon("lon"),
        kFixQuality("fix_quality"), kFixMode("fix_mode"), kHdop("hdop"), kPdop("pdop"),
        kVdop("vdop"), kSatsUsed("sats_used"), kSatsInView("sats_in_view"), kSog("sog"),
        kCog("cog"), kTimeValid("time_valid"), kPositionValid("position_valid"),
        kCourseValid("course_valid");
    json.Punct('{');
    json.Key(kUtc);
    uint8_t utc[] = {state.Utc.Hour, state.Utc.Minute, state.Utc.Second, state.Utc.Hundredths};
    WriteInts(json, utc, 4);
    json.Key(kDate);
    json.Punct('[');
    json.Int(state.Date.Year);
    json.Punct(',');
    json.Int(state.Date.Month);
    json.Punct(',');
    json.Int(state.Date.Day);
    json.Punct(']');
    json.Key(kLat);
    json.Real(state.Position.Latitude);
    json.Key(kLon);
    json.Real(state.Position.Longitude);
    json.Key(kFixQuality);
    json.Int(state.FixQuality);
    json.Key(kFixMode);
    json.Int(state.FixMode);
    json.Key(kHdop);
    json.Real(state.Hdop);
    json.Key(kPdop);
    json.Real(state.Pdop);
    json.Key(kVdop);
    json.Real(state.Vdop);
    json.Key(kSatsUsed);
    json.Int(state.SatellitesUsed);
    json.Key(kSatsInView);
    json.Int(state.SatellitesInView);
    json.Key(kSog);
    json.Real(state.SpeedKnots);
    json.Key(kCog);
    json.Real(state.CourseTrue);
    json.Key(kTimeValid);
    json.Bool(state.TimeValid);
    json.Key(kPositionValid);
    json.Bool(state.PositionValid);
    json.Key(kCourseValid);
    json.Bool(state.CourseValid);
    json.Punct('}');
}

const char* GroupName(SentenceGroup group) {
    static constexpr const char* kNames[] = {"none",          "gnss", "heading", "long_range",
                                             "ais_equipment", "dsc",  "device"};
    return group < std::size(kNames) ? kNames[group] : "none";
}
