#include "DeviceState.h"

#include "Sentence.h"

#include <charconv>

namespace {

constexpr std::string_view kReportRequest = "$PTST,,,,,17";
constexpr std::string_view kRestore = "$PKRV,C,DBG,100,150,,,,,,";

// Parameter numbers of the set sentence.
constexpr int kRs232Baud = 38;
constexpr int kNmeaBaud = 40;
constexpr int kNmeaBaudMirror = 42; // sent with the NMEA code as well; not in the report
constexpr int kGpsOutput = 50;      // 0 on, 1 off
constexpr int kGpsDynModel = 703;

// A field of decimal digits only; anything else (empty, signed, blanks) is refused.
bool ReadNumber(std::string_view field, int& value) {
    if (field.empty())
        return false;
    auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size() && field[0] != '-';
}

} // namespace

int BaudOfCode(int code) {
    switch (code) {
    case 0:
        return 115200;
    case 1:
        return 57600;
    case 2:
        return 38400;
    case 3:
        return 19200;
    case 5:
        return 9600;
    case 6:
        return 4800;
    default:
        return 0;
    }
}

DeviceCommand DeviceState::Accept(std::string_view line) {
    if (!HasValidChecksum(line))
        return DeviceCommand::None;
    std::string_view body = line.substr(0, line.size() - 3);
    if (body == kReportRequest)
        return DeviceCommand::ReportRequest;
    if (body == kRestore)
        return DeviceCommand::Restore;
    std::vector<std::string_view> fields = SplitFields(body);
    if (fields[0] == "$PDBG" && ApplySetSentence(fields))
        return DeviceCommand::Programmed;
    return DeviceCommand::None;
}

// Fields after the address come as parameter-value pairs; trailing fields are empty.
bool DeviceState::ApplySetSentence(const std::vector<std::string_view>& fields) {
    DeviceSettings changed = settings_;
    size_t i = 1;
    for (; i + 1 < fields.size() && !fields[i].empty(); i += 2) {
        int parameter = 0;
        int value = 0;
        if (!ReadNumber(fields[i], parameter) || !ReadNumber(fields[i + 1], value))
            return false;
        if ((parameter == kRs232Baud || parameter == kNmeaBaud || parameter == kNmeaBaudMirror) &&
            BaudOfCode(value) != 0) {
            if (parameter == kRs232Baud)
                changed.Rs232BaudCode = value;
            else if (parameter == kNmeaBaud)
                changed.NmeaBaudCode = value;
        } else if (parameter == kGpsOutput && (value == 0 || value == 1)) {
            changed.GpsOutputOn = value == 0;
        } else if (parameter == kGpsDynModel && (value == 4 || value == 5)) {
            changed.GpsDynModel = value;
        } else {
            return false;
        }
    }
    if (i == 1)
        return false;
    for (; i < fields.size(); ++i)
        if (!fields[i].empty())
            return false;
    settings_ = changed;
    return true;
}

std::vector<std::string> DeviceState::Report() const {
    return {
        "Hardware:T360KV-MB REV.C",
        "Firmware:T360KV V1.0.8 2024-11-05",
        "MMSI=000000000",
        "NMEA_1_TX:(" + std::to_string(BaudOfCode(settings_.NmeaBaudCode)) + ")",
        "NMEA_2_TX:(" + std::to_string(BaudOfCode(settings_.Rs232BaudCode)) + ")",
        std::string("GPS_Output=") + (settings_.GpsOutputOn ? "ON" : "OFF"),
        "[GPS_NAV5_dynModel]=" + std::to_string(settings_.GpsDynModel),
        "[AIS_CH_A]=161.975MHz",
        "[AIS_CH_B]=162.025MHz",
        "[SerialNo]=TL360K2409001",
        "[DEVICE DATA END]",
    };
}
