#include "SentenceJson.h"

#include <cstring>
#include <string_view>

namespace {

template <typename T> T Load(const char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

void WriteTime(JsonWriter& json, const UtcTime& time) {
    json.BeginArray();
    json.Int(time.Hour);
    json.Int(time.Minute);
    json.Int(time.Second);
    json.Int(time.Hundredths);
    json.EndArray();
}

void WriteDate(JsonWriter& json, const UtcDate& date) {
    json.BeginArray();
    json.Int(date.Year);
    json.Int(date.Month);
    json.Int(date.Day);
    json.EndArray();
}

void WriteChar(JsonWriter& json, char c) {
    json.String(std::string_view(&c, 1));
}

// One element of a row's kind.
void WriteElement(JsonWriter& json, const FieldSpec& spec, const char* at) {
    switch (spec.kind) {
    case fkInt8:
    case fkSetInt8:
        json.Int(Load<int8_t>(at));
        break;
    case fkUInt8:
    case fkHexByte:
        json.Int(Load<uint8_t>(at));
        break;
    case fkInt16:
        json.Int(Load<int16_t>(at));
        break;
    case fkInt32:
        json.Int(Load<int32_t>(at));
        break;
    case fkReal:
        json.Real(Load<float>(at));
        break;
    case fkChar:
    case fkSetChar:
        WriteChar(json, *at);
        break;
    case fkText:
        json.String(std::string_view(at, strnlen(at, spec.capacity)));
        break;
    case fkTime:
        WriteTime(json, Load<UtcTime>(at));
        break;
    case fkDate:
        WriteDate(json, Load<UtcDate>(at));
        break;
    case fkHexTriple:
        json.BeginArray();
        for (int i = 0; i < 3; ++i)
            json.Int(Load<uint8_t>(at + i));
        json.EndArray();
        break;
    case fkHexString: {
        json.BeginArray();
        uint8_t count = Load<uint8_t>(at + 9);
        for (int i = 0; i < count && i < 9; ++i)
            json.Int(Load<uint8_t>(at + i));
        json.EndArray();
        break;
    }
    default:
        break;
    }
}

// A member name made of a row's name and a suffix, without allocating.
void SuffixedKey(JsonWriter& json, const char* name, std::string_view suffix) {
    char key[64];
    size_t length = strnlen(name, sizeof key - suffix.size());
    std::memcpy(key, name, length);
    std::memcpy(key + length, suffix.data(), suffix.size());
    json.Key(std::string_view(key, length + suffix.size()));
}

void WriteRow(JsonWriter& json, const FieldSpec& spec, const char* record) {
    const char* at = record + spec.offset;
    switch (spec.kind) {
    case fkSkip:
    case fkLiteral:
        return;
    case fkLatLon: {
        GeoPoint point = Load<GeoPoint>(at);
        SuffixedKey(json, spec.name, "lat");
        json.Real(point.Latitude);
        SuffixedKey(json, spec.name, "lon");
        json.Real(point.Longitude);
        return;
    }
    case fkFlaggedHexByte: {
        json.Key(spec.name);
        json.Int(Load<uint8_t>(at));
        SuffixedKey(json, spec.name, "_present");
        json.Bool(at[1] != 0);
        return;
    }
    default:
        break;
    }
    json.Key(spec.name);
    if (spec.count == 1) {
        WriteElement(json, spec, at);
        return;
    }
    json.BeginArray();
    for (int i = 0; i < spec.count; ++i)
        WriteElement(json, spec, at + i * BytesWritten(spec));
    json.EndArray();
}

} // namespace

void WriteSentenceFields(JsonWriter& json, const FormatterRow& row,
                         const DecodedSentence& sentence) {
    const char* record = reinterpret_cast<const char*>(&sentence) + row.recordOffset;
    json.BeginObject();
    for (const SentenceLayout& layout : row.layouts)
        if (layout.dataFields == sentence.DataFieldCount) {
            for (const FieldSpec& spec : layout.fields)
                WriteRow(json, spec, record);
            break;
        }
    json.EndObject();
}

void WriteNavigation(JsonWriter& json, const NavigationState& state) {
    json.BeginObject();
    json.Key("utc");
    WriteTime(json, state.Utc);
    json.Key("date");
    WriteDate(json, state.Date);
    json.Key("lat");
    json.Real(state.Position.Latitude);
    json.Key("lon");
    json.Real(state.Position.Longitude);
    json.Key("fix_quality");
    json.Int(state.FixQuality);
    json.Key("fix_mode");
    json.Int(state.FixMode);
    json.Key("hdop");
    json.Real(state.Hdop);
    json.Key("pdop");
    json.Real(state.Pdop);
    json.Key("vdop");
    json.Real(state.Vdop);
    json.Key("sats_used");
    json.Int(state.SatellitesUsed);
    json.Key("sats_in_view");
    json.Int(state.SatellitesInView);
    json.Key("sog");
    json.Real(state.SpeedKnots);
    json.Key("cog");
    json.Real(state.CourseTrue);
    json.Key("time_valid");
    json.Bool(state.TimeValid);
    json.Key("position_valid");
    json.Bool(state.PositionValid);
    json.Key("course_valid");
    json.Bool(state.CourseValid);
    json.EndObject();
}

const char* GroupName(SentenceGroup group) {
    static constexpr const char* kNames[] = {"none",          "gnss", "heading", "long_range",
                                             "ais_equipment", "dsc",  "device"};
    return group < std::size(kNames) ? kNames[group] : "none";
}
