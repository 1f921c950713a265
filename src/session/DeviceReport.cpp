// The device report: asking the receiver for it, reading its key lines into DeviceInfo
// and the Configuration pages, and the offer of the report file after Read Device.
#include "app/Mainform.h"
#include "session/SettingCodes.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char kReportRequest[] = "$PTST,,,,,17";
constexpr char kFirmwareKey[] = "Firmware:";
constexpr char kRs232BaudKey[] = "NMEA_2_TX:(";
constexpr char kNmeaBaudKey[] = "NMEA_1_TX:(";
constexpr char kGpsOutputKey[] = "GPS_Output=";
constexpr char kGpsDynModelKey[] = "[GPS_NAV5_dynModel]=";
constexpr char kSerialNoKey[] = "[SerialNo]=";
constexpr char kRestartAnnouncement[] = "$PKRV,R,TXT,SYSTEM RESTART*4B";
constexpr int kReportOfferTicks = 5;

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

} // namespace

void TForm1::RequestDeviceReport() {
    SendSentence(kReportRequest, 0);
}

void TForm1::RefreshDeviceReport() {
    view_.SetActivePage(TControl::PageControlConf, pgBaudRate);
    RequestDeviceReport();
}

void TForm1::spbDbgTestCmdClick() {
    ReportCountdown = kReportOfferTicks;
    RequestDeviceReport();
}

void TForm1::CountDownToReportOffer() {
    if (ReportCountdown > 0 && ReportCountdown < kNoReportPending)
        --ReportCountdown;
    if (ReportCountdown != 0)
        return;
    // Back to idle before the questions, so the offer is not repeated while they wait.
    ReportCountdown = kNoReportPending;
    view_.SetActivePage(TControl::PageControlConf, pgBaudRate);
    SaveConfigurationReport();
}

void TForm1::CheckBoxInternalGPSEnableClick() {
    bool enabled = view_.Checked(TControl::CheckBoxInternalGPSEnable);
    view_.SetEnabled(TControl::LabelGPSNavStatus, enabled);
    view_.SetEnabled(TControl::ComboBoxGPSNavStatus, enabled);
}

void TForm1::ParseReportLine(char* line) {
    if (const char* rest = After(line, kFirmwareKey)) {
        CopyCut(DeviceInfo.Firmware, RestOfLine(rest));
        DeviceInfo.FirmwareValid = true;
    }
    ReadBaudReport(line, kRs232BaudKey, TControl::cbxBaud_RS232, DeviceInfo.Rs232Baud);
    ReadBaudReport(line, kNmeaBaudKey, TControl::cbxBaud_NMEA, DeviceInfo.NmeaBaud);
    if (const char* rest = After(line, kGpsOutputKey)) {
        bool on = RestOfLine(rest).find("ON") != std::string::npos;
        DeviceInfo.GpsOutputOff = !on;
        view_.SetChecked(TControl::CheckBoxInternalGPSEnable, on);
        view_.SetEnabled(TControl::LabelGPSNavStatus, on);
        view_.SetEnabled(TControl::ComboBoxGPSNavStatus, on);
    }
    if (const char* rest = After(line, kGpsDynModelKey)) {
        DeviceInfo.GpsDynModel = LongValue(rest);
        view_.SetItemIndex(TControl::ComboBoxGPSNavStatus,
                           DeviceInfo.GpsDynModel == kGpsDynModelAtSea ? 1 : 0);
    }
    if (const char* rest = After(line, kSerialNoKey)) {
        CopyCut(DeviceInfo.SerialNo, RestOfLine(rest));
        DeviceInfo.SerialNoValid = true;
    }
    if (std::strstr(line, kRestartAnnouncement) != nullptr)
        StartRestartRecovery();
}

// "NMEA_2_TX:(" digits ")": the rate, and the selector's first item that contains it
// (item 0 when none does). Without ")" at the end of the line nothing changes.
void TForm1::ReadBaudReport(const char* line, const char* key, TControl selector, int32_t& baud) {
    const char* rest = After(line, key);
    if (rest == nullptr)
        return;
    const char* end = std::strstr(rest, ")\r\n");
    if (end == nullptr)
        return;
    baud = LeadingDigits(std::string(rest, end));
    std::string digits = std::to_string(baud);
    int found = 0;
    for (int i = 0, count = view_.ListCount(selector); i < count; ++i)
        if (view_.ListItem(selector, i).find(digits) != std::string::npos) {
            found = i;
            break;
        }
    view_.SetItemIndex(selector, found);
}
