#include "configuration/ConfigurationReport.h"
#include "dialogs/DialogTexts.h"
#include "log/ConfigReport.h"
#include "session/SettingCodes.h"
#include "view/Texts.h"

namespace {

constexpr char kInternalGpsCaption[] = "INTERNAL GPS";
constexpr char kGpsEnableCaption[] = "Enable Internal GPS Module";
constexpr char kGpsModeCaption[] = "GPS Mode";

} // namespace

std::string ConfigurationReportText(const TDeviceInfo& report, const TReportGpsState& gps,
                                    const std::string& baudRateCaption, TLocalTime time) {
    TReportValues values;
    values.WindowCaption = kApplicationTitle;
    values.Version = kAboutVersion;
    values.Time = time;
    values.SerialNo = report.SerialNo;
    values.Firmware = report.Firmware;
    values.Rs232Baud = report.Rs232Baud;
    values.NmeaBaud = report.NmeaBaud;
    values.BaudRateCaption = baudRateCaption;
    values.InternalGpsCaption = kInternalGpsCaption;
    values.GpsEnableCaption = kGpsEnableCaption;
    values.GpsEnabled = gps.Enabled;
    values.GpsModeCaption = kGpsModeCaption;
    // Item 0 names itself; item 1 stands for everything else, no selection included.
    values.GpsModeText = kGpsDynModelCodes[gps.ModeItem == 0 ? 0 : 1].Text;
    return ConfigReportText(ConfigReportLines(values));
}
