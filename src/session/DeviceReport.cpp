// The device report: asking the receiver for it, reading its key lines into DeviceInfo
// and the Configuration pages, and the offer of the report file after Read Device.
#include "app/Mainform.h"
#include "session/DeviceReportLine.h"
#include "session/SettingCodes.h"

namespace {

constexpr char kReportRequest[] = "$PTST,,,,,17";
constexpr int kReportOfferTicks = 5;

} // namespace

void TForm1::RequestDeviceReport() {
    SendSentence(kReportRequest, false);
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
    unsigned items = ReadReportLine(line, DeviceInfo);
    if (items & riRs232Baud)
        SelectBaud(TControl::cbxBaud_RS232, DeviceInfo.Rs232Baud);
    if (items & riNmeaBaud)
        SelectBaud(TControl::cbxBaud_NMEA, DeviceInfo.NmeaBaud);
    if (items & riGpsOutput) {
        bool on = !DeviceInfo.GpsOutputOff;
        view_.SetChecked(TControl::CheckBoxInternalGPSEnable, on);
        view_.SetEnabled(TControl::LabelGPSNavStatus, on);
        view_.SetEnabled(TControl::ComboBoxGPSNavStatus, on);
    }
    if (items & riGpsDynModel)
        view_.SetItemIndex(TControl::ComboBoxGPSNavStatus,
                           DeviceInfo.GpsDynModel == kGpsDynModelAtSea ? 1 : 0);
    if (items & riRestartAnnounced)
        StartRestartRecovery();
}

// The selector's first item that contains all digits of `baud`; item 0 when none does.
void TForm1::SelectBaud(TControl selector, int32_t baud) {
    std::string digits = std::to_string(baud);
    int found = 0;
    for (int i = 0, count = view_.ListCount(selector); i < count; ++i)
        if (view_.ListItem(selector, i).find(digits) != std::string::npos) {
            found = i;
            break;
        }
    view_.SetItemIndex(selector, found);
}
