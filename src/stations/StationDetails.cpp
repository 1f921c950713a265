#include "stations/StationDetails.h"

#include "ais/AisMessageDecoder.h"

#include <cstdio>
#include <cstring>

namespace {

template <typename... Values> std::string Format(const char* format, Values... values) {
    char text[96];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// The unit a real field is stored in, by its name.
const char* UnitOf(std::string_view name) {
    if (name == "speed")
        return " kn";
    if (name == "course")
        return " deg";
    if (name == "draught" || name == "alt")
        return " m";
    if (name == "turn")
        return " deg/min";
    return "";
}

std::string ValueText(const AisField& field, const AisMessage& message, size_t offset) {
    switch (field.Kind) {
    case akByte:
    case akTimeStamp:
        return std::to_string(message.Bytes[offset]);
    case akUInt16:
    case akApplicationId:
        return std::to_string(LoadAisValue<uint16_t>(message, offset));
    case akHeading:
        return std::to_string(LoadAisValue<uint16_t>(message, offset)) + " deg";
    case akUInt32:
    case akId:
    case akCommState:
        return std::to_string(LoadAisValue<uint32_t>(message, offset));
    case akDimensions: {
        auto word = LoadAisValue<uint32_t>(message, offset);
        return Format("to bow %u m, to stern %u m, to port %u m, to starboard %u m",
                      word >> 21 & 0x1FF, word >> 12 & 0x1FF, word >> 6 & 0x3F, word & 0x3F);
    }
    case akEta: {
        auto word = LoadAisValue<uint32_t>(message, offset);
        return Format("month %u, day %u, %02u:%02u", word >> 16 & 0x0F, word >> 11 & 0x1F,
                      word >> 6 & 0x1F, word & 0x3F);
    }
    case akText:
    case akTextToEnd: {
        const char* text = reinterpret_cast<const char*>(message.Bytes + offset);
        std::string value(text, strnlen(text, kAisMessageSize - offset));
        // Texts are padded with "@" or blanks to their width.
        while (!value.empty() && (value.back() == ' ' || value.back() == '@'))
            value.pop_back();
        return value;
    }
    case akNone:
        return "";
    case akLongitude:
    case akLatitude: // ten-thousandths of a minute need six decimals of a degree
        return Format("%.6f deg", static_cast<double>(LoadAisValue<float>(message, offset)));
    default: // the kinds stored as reals
        return Format("%g", static_cast<double>(LoadAisValue<float>(message, offset))) +
               UnitOf(field.Name);
    }
}

} // namespace

std::vector<TStationDetail> MessageDetails(const AisMessage& message, unsigned bitCount) {
    std::vector<TStationDetail> details;
    const AisFieldTable* table = AisTableOf(message);
    if (table == nullptr)
        return details;
    std::string title = AisMessageTitle(message.Bytes[0], message.Bytes[6]);
    size_t offset = 0;
    unsigned end = 0;
    for (const AisField& field : *table) {
        end += static_cast<unsigned>(field.Width);
        // A text to the end takes whatever the message holds after the fields before it.
        if (end > bitCount && field.Kind != akTextToEnd)
            break;
        if (field.Name != "spare" && offset + AisStoredSize(field) <= kAisMessageSize)
            details.push_back({title, std::string(field.Name), ValueText(field, message, offset)});
        offset += AisStoredSize(field);
    }
    return details;
}

std::vector<TStationDetail> StationDetails(const TStationRecord& record) {
    std::vector<TStationDetail> details;
    for (const TStationMessage& kept : record.LastMessages) {
        std::vector<TStationDetail> fields = MessageDetails(kept.Message, kept.BitCount);
        details.insert(details.end(), fields.begin(), fields.end());
    }
    return details;
}
