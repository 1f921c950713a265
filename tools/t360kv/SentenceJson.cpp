#include "SentenceJson.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

using namespace json_text;

template <typename T> T Load(const char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

char* PutInts(char* out, const uint8_t* values, int count) {
    *out++ = '[';
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            *out++ = ',';
        out = PutInt(out, values[i]);
    }
    return Put(out, "]");
}

// One element of a row's kind.
char* PutElement(char* out, const FieldRow& row, const char* at) {
    switch (row.kind) {
    case fkInt8:
    case fkSetInt8:
        return PutInt(out, Load<int8_t>(at));
    case fkUInt8:
    case fkHexByte:
        return PutInt(out, Load<uint8_t>(at));
    case fkInt16:
        return PutInt(out, Load<int16_t>(at));
    case fkInt32:
        return PutInt(out, Load<int32_t>(at));
    case fkReal:
        return FormatReal(out, Load<float>(at));
    case fkChar:
    case fkSetChar:
        return PutString(out, std::string_view(at, 1));
    case fkText:
        return PutString(out, std::string_view(at, strnlen(at, row.capacity)));
    case fkTime: {
        UtcTime time = Load<UtcTime>(at);
        uint8_t parts[] = {time.Hour, time.Minute, time.Second, time.Hundredths};
        return PutInts(out, parts, 4);
    }
    case fkDate: {
        UtcDate date = Load<UtcDate>(at);
        out = PutInt(Put(out, "["), date.Year);
        out = PutInt(Put(out, ","), date.Month);
        return Put(PutInt(Put(out, ","), date.Day), "]");
    }
    case fkHexTriple:
        return PutInts(out, reinterpret_cast<const uint8_t*>(at), 3);
    case fkHexString:
        return PutInts(out, reinterpret_cast<const uint8_t*>(at),
                       std::min<int>(Load<uint8_t>(at + 9), 9));
    default:
        return out;
    }
}

// Room for one element of a row's kind.
size_t ElementRoom(const FieldRow& row) {
    switch (row.kind) {
    case fkReal:
        return kRealText;
    case fkChar:
    case fkSetChar:
        return StringRoom(1);
    case fkText:
        return StringRoom(row.capacity);
    case fkTime:
    case fkDate:
    case fkHexTriple:
    case fkHexString:
        return 9 * (kIntText + 1) + 1;
    default:
        return kIntText;
    }
}

// A row that writes members, with their names written ahead of time: a position writes
// two (latitude, longitude), a flagged byte its value and whether it was present.
struct Step {
    const FieldRow* Row;
    Key Name;
    Key Second;
};

} // namespace

struct FieldsPlan {
    std::vector<Step> Steps;
    size_t Room; // the most text the object can take
};

namespace {

FieldsPlan PlanOf(const SentenceLayout& layout) {
    FieldsPlan plan{{}, 2};
    for (const FieldRow& row : layout.fields) {
        bool first = plan.Steps.empty();
        switch (row.kind) {
        case fkSkip:
        case fkLiteral:
            continue;
        case fkLatLon:
            plan.Steps.push_back(
                {&row, MakeKey(row.name, "lat", first), MakeKey(row.name, "lon", false)});
            plan.Room += 2 * (Key::kCapacity + kRealText);
            continue;
        case fkFlaggedHexByte:
            plan.Steps.push_back(
                {&row, MakeKey(row.name, "", first), MakeKey(row.name, "_present", false)});
            plan.Room += 2 * (Key::kCapacity + kIntText);
            continue;
        default:
            plan.Steps.push_back({&row, MakeKey(row.name, "", first), {}});
            plan.Room +=
                Key::kCapacity + 2 + static_cast<size_t>(row.count) * (ElementRoom(row) + 1);
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

char* PutStep(char* out, const Step& step, const char* record) {
    const FieldRow& row = *step.Row;
    const char* at = record + row.offset;
    switch (row.kind) {
    case fkLatLon: {
        GeoPoint point = Load<GeoPoint>(at);
        out = FormatReal(Put(out, step.Name), point.Latitude);
        return FormatReal(Put(out, step.Second), point.Longitude);
    }
    case fkFlaggedHexByte:
        out = PutInt(Put(out, step.Name), Load<uint8_t>(at));
        return Put(Put(out, step.Second), at[1] != 0 ? "true" : "false");
    default:
        break;
    }
    out = Put(out, step.Name);
    if (row.count == 1)
        return PutElement(out, row, at);
    *out++ = '[';
    for (int i = 0; i < row.count; ++i) {
        if (i > 0)
            *out++ = ',';
        out = PutElement(out, row, at + i * BytesWritten(row));
    }
    return Put(out, "]");
}

} // namespace

SentenceFieldsText::SentenceFieldsText(const FormatterRow& formatter, uint8_t dataFieldCount)
    : plan_(nullptr) {
    for (const SentenceLayout& layout : formatter.layouts)
        if (layout.dataFields == dataFieldCount)
            plan_ = &PlanFor(formatter, layout);
}

size_t SentenceFieldsText::Room() const {
    return plan_ != nullptr ? plan_->Room : 2;
}

char* SentenceFieldsText::Put(char* out, const char* record) const {
    *out++ = '{';
    if (plan_ != nullptr)
        for (const Step& step : plan_->Steps)
            out = PutStep(out, step, record);
    *out++ = '}';
    return out;
}

void WriteSentenceFields(JsonWriter& json, const FormatterRow& formatter, const char* record,
                         uint8_t dataFieldCount) {
    SentenceFieldsText text(formatter, dataFieldCount);
    json.EndText(text.Put(json.BeginText(text.Room()), record));
}

void WriteSentenceFields(JsonWriter& json, const FormatterRow& formatter,
                         const DecodedSentence& sentence) {
    WriteSentenceFields(json, formatter,
                        reinterpret_cast<const char*>(&sentence) + formatter.recordOffset,
                        sentence.DataFieldCount);
}

namespace {

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
    char* out = text_;
    out = Put(out, "{\"utc\":[");
    out = PutInt(out, state.Utc.Hour);
    out = Put(out, ",");
    out = PutInt(out, state.Utc.Minute);
    out = Put(out, ",");
    out = PutInt(out, state.Utc.Second);
    out = Put(out, ",");
    out = PutInt(out, state.Utc.Hundredths);
    out = Put(out, "],\"date\":[");
    out = PutInt(out, state.Date.Year);
    out = Put(out, ",");
    out = PutInt(out, state.Date.Month);
    out = Put(out, ",");
    out = PutInt(out, state.Date.Day);
    out = Put(out, "],\"lat\":");
    out = FormatReal(out, state.Position.Latitude);
    out = Put(out, ",\"lon\":");
    out = FormatReal(out, state.Position.Longitude);
    out = Put(out, ",\"fix_quality\":");
    out = PutInt(out, state.FixQuality);
    out = Put(out, ",\"fix_mode\":");
    out = PutInt(out, state.FixMode);
    out = Put(out, ",\"hdop\":");
    out = FormatReal(out, state.Hdop);
    out = Put(out, ",\"pdop\":");
    out = FormatReal(out, state.Pdop);
    out = Put(out, ",\"vdop\":");
    out = FormatReal(out, state.Vdop);
    out = Put(out, ",\"sats_used\":");
    out = PutInt(out, state.SatellitesUsed);
    out = Put(out, ",\"sats_in_view\":");
    out = PutInt(out, state.SatellitesInView);
    out = Put(out, ",\"sog\":");
    out = FormatReal(out, state.SpeedKnots);
    out = Put(out, ",\"cog\":");
    out = FormatReal(out, state.CourseTrue);
    out = Put(out, ",\"time_valid\":");
    out = Put(out, state.TimeValid ? "true" : "false");
    out = Put(out, ",\"position_valid\":");
    out = Put(out, state.PositionValid ? "true" : "false");
    out = Put(out, ",\"course_valid\":");
    out = Put(out, state.CourseValid ? "true" : "false");
    out = Put(out, "}");
    return static_cast<size_t>(out - text_);
}

std::string_view NavigationJson::Text(const NavigationState& state) {
    Shown shown = ShownOf(state);
    if (!valid_ || shown != shown_) {
        length_ = Render(state);
        shown_ = shown;
        valid_ = true;
    }
    return std::string_view(text_, length_);
}

void NavigationJson::Write(JsonWriter& json, const NavigationState& state) {
    json.Raw(Text(state));
}

const char* GroupName(SentenceGroup group) {
    static constexpr const char* kNames[] = {"none",          "gnss", "heading", "long_range",
                                             "ais_equipment", "dsc",  "device"};
    return group < std::size(kNames) ? kNames[group] : "none";
}
