#include "SentenceJson.h"

#include <algorithm>
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
void WriteElement(JsonWriter& json, const FieldRow& row, const char* at) {
    switch (row.kind) {
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
        json.String(std::string_view(at, strnlen(at, row.capacity)));
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
void SuffixedKey(JsonWriter& json, std::string_view name, std::string_view suffix) {
    char key[64];
    size_t length = std::min(name.size(), sizeof key - suffix.size());
    std::memcpy(key, name.data(), length);
    std::memcpy(key + length, suffix.data(), suffix.size());
    json.Key(std::string_view(key, length + suffix.size()));
}

void WriteRow(JsonWriter& json, const FieldRow& row, const char* record) {
    const char* at = record + row.offset;
    switch (row.kind) {
    case fkSkip:
    case fkLiteral:
        return;
    case fkLatLon: {
        GeoPoint point = Load<GeoPoint>(at);
        SuffixedKey(json, row.name, "lat");
        json.Real(point.Latitude);
        SuffixedKey(json, row.name, "lon");
        json.Real(point.Longitude);
        return;
    }
    case fkFlaggedHexByte: {
        json.Key(row.name);
        json.Int(Load<uint8_t>(at));
        SuffixedKey(json, row.name, "_present");
        json.Bool(at[1] != 0);
        return;
    }
    default:
        break;
    }
    json.Key(row.name);
    if (row.count == 1) {
        WriteElement(json, row, at);
        return;
    }
    json.BeginArray();
    for (int i = 0; i < row.count; ++i)
        WriteElement(json, row, at + i * BytesWritten(row));
    json.EndArray();
}

} // namespace

void WriteSentenceFields(JsonWriter& json, const FormatterRow& formatter,
                         const DecodedSentence& sentence) {
    const char* record = reinterpret_cast<const char*>(&sentence) + formatter.recordOffset;
    json.BeginObject();
    for (const SentenceLayout& layout : formatter.layouts)
        if (layout.dataFields == sentence.DataFieldCount) {
            for (const FieldRow& row : layout.fields)
                WriteRow(json, row, record);
            break;
        }
    json.EndObject();
}

namespace {

// Appends pieces of JSON text to a buffer whose room the caller has checked.
class TextOut {
public:
    explicit TextOut(char* start) : start_(start), out_(start) {}
    void Literal(std::string_view text) {
        std::memcpy(out_, text.data(), text.size());
        out_ += text.size();
    }
    void Int(int64_t value) { out_ = std::to_chars(out_, out_ + 24, value).ptr; }
    void Real(float value) { out_ = FormatReal(out_, value); }
    void Bool(bool value) { Literal(value ? "true" : "false"); }
    size_t Length() const { return static_cast<size_t>(out_ - start_); }

private:
    char* start_;
    char* out_;
};

template <typename T> void Append(std::array<uint8_t, 64>& shown, size_t& at, const T& value) {
    std::memcpy(shown.data() + at, &value, sizeof value);
    at += sizeof value;
}

} // namespace

static_assert(sizeof(UtcTime) + sizeof(UtcDate) + sizeof(GeoPoint) + 2 + 3 * sizeof(float) + 2 +
                      2 * sizeof(float) + 3 <=
                  std::tuple_size_v<std::array<uint8_t, 64>>,
              "the members shown fit");

NavigationJson::Shown NavigationJson::ShownOf(const NavigationState& state) {
    Shown shown{};
    size_t at = 0;
    Append(shown, at, state.Utc);
    Append(shown, at, state.Date);
    Append(shown, at, state.Position);
    Append(shown, at, state.FixQuality);
    Append(shown, at, state.FixMode);
    Append(shown, at, state.Hdop);
    Append(shown, at, state.Pdop);
    Append(shown, at, state.Vdop);
    Append(shown, at, state.SatellitesUsed);
    Append(shown, at, state.SatellitesInView);
    Append(shown, at, state.SpeedKnots);
    Append(shown, at, state.CourseTrue);
    Append(shown, at, state.TimeValid);
    Append(shown, at, state.PositionValid);
    Append(shown, at, state.CourseValid);
    return shown;
}

// Every value is at most kRealText characters, so the text fits its 512 bytes.
size_t NavigationJson::Render(const NavigationState& state) {
    TextOut out(text_);
    out.Literal("{\"utc\":[");
    out.Int(state.Utc.Hour);
    out.Literal(",");
    out.Int(state.Utc.Minute);
    out.Literal(",");
    out.Int(state.Utc.Second);
    out.Literal(",");
    out.Int(state.Utc.Hundredths);
    out.Literal("],\"date\":[");
    out.Int(state.Date.Year);
    out.Literal(",");
    out.Int(state.Date.Month);
    out.Literal(",");
    out.Int(state.Date.Day);
    out.Literal("],\"lat\":");
    out.Real(state.Position.Latitude);
    out.Literal(",\"lon\":");
    out.Real(state.Position.Longitude);
    out.Literal(",\"fix_quality\":");
    out.Int(state.FixQuality);
    out.Literal(",\"fix_mode\":");
    out.Int(state.FixMode);
    out.Literal(",\"hdop\":");
    out.Real(state.Hdop);
    out.Literal(",\"pdop\":");
    out.Real(state.Pdop);
    out.Literal(",\"vdop\":");
    out.Real(state.Vdop);
    out.Literal(",\"sats_used\":");
    out.Int(state.SatellitesUsed);
    out.Literal(",\"sats_in_view\":");
    out.Int(state.SatellitesInView);
    out.Literal(",\"sog\":");
    out.Real(state.SpeedKnots);
    out.Literal(",\"cog\":");
    out.Real(state.CourseTrue);
    out.Literal(",\"time_valid\":");
    out.Bool(state.TimeValid);
    out.Literal(",\"position_valid\":");
    out.Bool(state.PositionValid);
    out.Literal(",\"course_valid\":");
    out.Bool(state.CourseValid);
    out.Literal("}");
    return out.Length();
}

void NavigationJson::Write(JsonWriter& json, const NavigationState& state) {
    Shown shown = ShownOf(state);
    if (!valid_ || shown != shown_) {
        length_ = Render(state);
        shown_ = shown;
        valid_ = true;
    }
    json.Raw(std::string_view(text_, length_));
}

const char* GroupName(SentenceGroup group) {
    static constexpr const char* kNames[] = {"none",          "gnss", "heading", "long_range",
                                             "ais_equipment", "dsc",  "device"};
    return group < std::size(kNames) ? kNames[group] : "none";
}
