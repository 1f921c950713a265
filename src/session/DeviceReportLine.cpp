#include "session/DeviceReportLine.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr char kFirmwareKey[] = "Firmware:";
constexpr char kRs232BaudKey[] = "NMEA_2_TX:(";
constexpr char kNmeaBaudKey[] = "NMEA_1_TX:(";
constexpr char kGpsOutputKey[] = "GPS_Output=";
constexpr char kGpsDynModelKey[] = "[GPS_NAV5_dynModel]=";
constexpr char kSerialNoKey[] = "[SerialNo]=";
constexpr char kRestartAnnouncement[] = "$PKRV,R,TXT,SYSTEM RESTART*4B";

// The text after `key` in `line`, or null when the line does not hold the key.
const char* After(const char* line, const char* key) {
    const char* at = std::strstr(line, key);
    return at != nullptr ? at + std::strlen(key) : nullptr;
}

// The characters from `rest` up to the line's CR LF: the value of a key.
std::string RestOfLine(const char* rest) {
    const char* end = std::strstr(rest, "\r\n");
    return end != nullptr ? std::string(rest, end) : std::string(rest);
}

// Copies `value` into a fixed text field, cut to the field's length.
template <size_t N> void CopyCut(char (&field)[N], const std::string& value) {
    size_t length = value.size() < N - 1 ? value.size() : N - 1;
    std::memcpy(field, value.data(), length);
    field[length] = '\0';
}

// The run of decimal digits at the start of `text`; 0 without digits. A run too long
// for the field stops growing at the largest value instead of overflowing.
int32_t LeadingDigits(const std::string& text) {
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > INT32_MAX)
            return INT32_MAX;
    }
    return static_cast<int32_t>(value);
}

// A C string-to-long reading (blanks and a sign allowed), kept within 32 bits.
int32_t LongValue(const char* text) {
    long value = std::strtol(text, nullptr, 10);
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

// "NMEA_2_TX:(" digits ")": the rate; false, and nothing read, without ")" at the end of
// the line.
bool ReadBaud(const char* line, const char* key, int32_t& baud) {
    const char* rest = After(line, key);
    if (rest == nullptr)
        return false;
    const char* end = std::strstr(rest, ")\r\n");
    if (end == nullptr)
        return false;
    baud = LeadingDigits(std::string(rest, end));
    return true;
}

} // namespace

unsigned ReadReportLine(const char* line, TDeviceInfo& info) {
    unsigned items = 0;
    if (const char* rest = After(line, kFirmwareKey)) {
        CopyCut(info.Firmware, RestOfLine(rest));
        info.FirmwareValid = true;
        items |= riFirmware;
    }
    if (ReadBaud(line, kRs232BaudKey, info.Rs232Baud))
        items |= riRs232Baud;
    if (ReadBaud(line, kNmeaBaudKey, info.NmeaBaud))
        items |= riNmeaBaud;
    if (const char* rest = After(line, kGpsOutputKey)) {
        info.GpsOutputOff = RestOfLine(rest).find("ON") == std::string::npos;
        items |= riGpsOutput;
    }
    if (const char* rest = After(line, kGpsDynModelKey)) {
        info.GpsDynModel = LongValue(rest);
        items |= riGpsDynModel;
    }
    if (const char* rest = After(line, kSerialNoKey)) {
        CopyCut(info.SerialNo, RestOfLine(rest));
        info.SerialNoValid = true;
        items |= riSerialNo;
    }
    if (std::strstr(line, kRestartAnnouncement) != nullptr)
        items |= riRestartAnnounced;
    return items;
}
