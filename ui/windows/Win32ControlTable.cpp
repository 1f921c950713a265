#include "Win32Api.h"

#include "Win32ControlTable.h"

#include "Win32ControlIds.h"
#include "dialogs/DialogTexts.h"
#include "log/DataLogPage.h"
#include "skyview/SnrBar.h"

namespace {

constexpr int Id(TControl control) {
    return ControlId(control);
}

using enum TKind;
using enum TPlace;

// The order is the tab order within each place.
// clang-format off
constexpr TControlSpec kControls[] = {
    // The top strip.
    {idSelectInterfaceLabel,            Label,              Top, "Select Interface", 18, 14, 150, 18},
    {Id(TControl::ComboBoxDeviceItem),  DropDownList,       Top, "",                 18, 34, 150, 24},
    {Id(TControl::LabelBaudRate),       Label,              Top, "Baud Rate",        176, 14, 90, 18, false},
    {Id(TControl::ComboBoxBaudRate),    DropDownList,       Top, "",                 176, 34, 90, 24, false},
    {idSelectPortLabel,                 Label,              Top, "Select Port",      274, 14, 260, 18},
    {Id(TControl::cbxDeviceComEnum),    SortedDropDownList, Top, "",                 274, 34, 260, 24},
    {Id(TControl::OpenPort),            ToggleButton,       Top, "Connect",          540, 32, 110, 28},
    {Id(TControl::LabelConnectionStatus), StatusLabel,      Top, "Click to Connect", 530, 64, 130, 20},
    {Id(TControl::btnExit),             Button,             Top, "EXIT",             -100, 32, 80, 28},

    // A recorded log's replay: its speed, Pause/Resume, Stop and how far it has come. The
    // progress text is wide enough for "End of log: 200.0 of 200.0 MB, log time 25:01:01".
    {Id(TControl::PanelReplay),         Background,   Top,    "",      0, kReplayRowTop, 0, kReplayRowHeight, false},
    {idReplaySpeedLabel,                Label,        Replay, "Speed", 18, kReplayRowTop + 8, 44, 18},
    {Id(TControl::ComboBoxReplaySpeed), DropDownList, Replay, "",      64, kReplayRowTop + 4, 70, 24},
    {Id(TControl::ButtonReplayPause),   Button,       Replay, "Pause", 142, kReplayRowTop + 2, 80, 28},
    {Id(TControl::ButtonReplayStop),    Button,       Replay, "Stop",  228, kReplayRowTop + 2, 80, 28},
    {Id(TControl::ProgressBarReplay),   ProgressBar,  Replay, "",      318, kReplayRowTop + 8, 150, 16},
    {Id(TControl::LabelReplayProgress), Label,        Replay, "",      478, kReplayRowTop + 8, -10, 18},

    // Everything below the top strip.
    {Id(TControl::PanelView),           Background,   Panel, "",               0, 92, 0, 0},
    {Id(TControl::PageControlMain),     PageControl,  Panel, "",               10, 96, -10, -42},
    {Id(TControl::SpeedButtonReload),   Button,       Panel, "Read Device",    -228, -36, 104, 28},
    {Id(TControl::SpeedButtonSetting),  Button,       Panel, "Program Device", -118, -36, 108, 28},
    {Id(TControl::PageControlConf),     PageControl,  Configuration, "",       2, 2, -2, -2},
    {Id(TControl::PageControlDiagnosis), PageControl, Diagnostics, "",         2, 2, -2, -2},

    // BAUD RATE.
    {idRs232Label,                  Label,        BaudRate, "RS-232", 10, 14, 56, 18},
    {Id(TControl::cbxBaud_RS232),   DropDownList, BaudRate, "",       70, 10, 220, 24},
    {idNmeaLabel,                   Label,        BaudRate, "NMEA",   10, 44, 56, 18},
    {Id(TControl::cbxBaud_NMEA),    DropDownList, BaudRate, "",       70, 40, 220, 24},
    {Id(TControl::spbBaudRate),     Button,       BaudRate, "Config", 10, 74, 80, 28, false},

    // INTERNAL GPS.
    {Id(TControl::CheckBoxInternalGPSEnable), CheckBox, InternalGps, "Enable Internal GPS Module", 10, 10, 280, 20},
    {Id(TControl::LabelGPSNavStatus),   Label,        InternalGps, "GPS Mode", 10, 44, 70, 18},
    {Id(TControl::ComboBoxGPSNavStatus), DropDownList, InternalGps, "",        84, 40, 220, 24},
    {idInternalGpsConfig,               Button,       InternalGps, "Config",   10, 74, 80, 28, false},

    // RESTORE. The caption is the receiver maker's own, spelling included.
    {Id(TControl::CheckBoxNetworkRestore), CheckBox, Restore, "Netowrk Settings", 10, 10, 280, 20},
    {idRestoreConfig,                   Button,   Restore, "Config",           10, 40, 80, 28, false},

    // NETWORK: its page is never offered, so none of this is ever seen.
    {idNetworkFirmwareLabel,                Label,        Network, "Tidelane Network Firmware Version:", 10, 10, 220, 18},
    {Id(TControl::LabelEthFirmwareVersion), Label,        Network, "None",       240, 10, 200, 18},
    {idNetworkAddressLabel,                 Label,        Network, "Tidelane IP Address:", 10, 32, 220, 18},
    {Id(TControl::LabelEthIP),              Label,        Network, "None",       240, 32, 200, 18},
    {Id(TControl::LabelEthernetSettingButton), Button,    Network, "Go to Network Configuration", 10, 56, 220, 26},
    {Id(TControl::MemoEthernetTx),          LogView,      Network, "",           10, 88, 340, -110},
    {Id(TControl::MemoEthernetRx),          LogView,      Network, "",           360, 88, -10, -110},
    {Id(TControl::EditEthernetText),        Edit,         Network, "",           10, -100, 340, 24},
    {Id(TControl::ButtonEthernetSend),      Button,       Network, "Send",       360, -100, 100, 26},
    {Id(TControl::ButtonEnterEthConfigMode), Button,      Network, "Config On",  10, -70, 100, 26},
    {Id(TControl::ButtonExitEthConfigMode), Button,       Network, "Config Off", 116, -70, 100, 26},
    {Id(TControl::ButtonCMD1),              Button,       Network, "CMD1",       222, -70, 100, 26},
    {Id(TControl::ButtonCompareIP),         Button,       Network, "Compare IP", 328, -70, 100, 26},

    // SYSTEM CHECK: icon, caption and value of each row; the network and GPS rows are
    // never shown.
    {Id(TControl::ImageChkFwVer),   CheckIcon, SystemCheck, "",                   12, 12, 32, 32},
    {idFirmwareCaption,             Label,     SystemCheck, "Firmware Version",   56, 20, 170, 18},
    {Id(TControl::lblValFwVer),     Label,     SystemCheck, "---------",          230, 20, 300, 18},
    {Id(TControl::ImageChkProdSN),  CheckIcon, SystemCheck, "",                   12, 54, 32, 32},
    {idSerialNoCaption,             Label,     SystemCheck, "Product Serial No.", 56, 62, 170, 18},
    {Id(TControl::lblValProdSN),    Label,     SystemCheck, "---------",          230, 62, 300, 18},
    {Id(TControl::ImageChkRx),      CheckIcon, SystemCheck, "",                   12, 96, 32, 32},
    {idReceptionCaption,            Label,     SystemCheck, "RX position reports", 56, 104, 170, 18},
    {idChannelACaption,             Label,     SystemCheck, "Channel A: ",        230, 104, 76, 18},
    {Id(TControl::lblValRxCntA),    Label,     SystemCheck, "0",                  306, 104, 80, 18},
    {idChannelBCaption,             Label,     SystemCheck, "Channel B: ",        390, 104, 76, 18},
    {Id(TControl::lblValRxCntB),    Label,     SystemCheck, "0",                  466, 104, 80, 18},
    {Id(TControl::ImageNetworkFirmwareVersion), CheckIcon, SystemCheck, "",       12, 138, 32, 32, false},
    {idNetworkFirmwareCaption,      Label,     SystemCheck, "Network Firmware Version", 56, 146, 170, 18, false},
    {Id(TControl::LabelNetworkFirmwareVersoinData), Label, SystemCheck, "N/A",    230, 146, 300, 18, false},
    {Id(TControl::ImageChkGps),     CheckIcon, SystemCheck, "",                   12, 180, 32, 32, false},
    {idGpsCaption,                  Label,     SystemCheck, "GPS",                56, 188, 170, 18, false},
    {Id(TControl::lblValGps),       Label,     SystemCheck, "N/A",                230, 188, 300, 18, false},
    {Id(TControl::SpeedButtonClearCheck), Button, SystemCheck, "Refresh",         -110, 12, 100, 28},

    // GPS STATUS: the sky map above two columns of fields, the SNR chart beside them.
    {idSatelliteMap,                    DrawingArea,  GpsStatus, "",   10, 8, 198, 200},
    {idGpsFieldCaptions + 0,            Label,        GpsStatus, "UTC Date",  10, 214, 108, 16},
    {Id(TControl::lblEdtGpsUtcDate),    ReadOnlyEdit, GpsStatus, "",          10, 230, 108, 22},
    {idGpsFieldCaptions + 1,            Label,        GpsStatus, "UTC Time",  122, 214, 108, 16},
    {Id(TControl::lblEdtGpsUtcTime),    ReadOnlyEdit, GpsStatus, "",          122, 230, 108, 22},
    {idGpsFieldCaptions + 2,            Label,        GpsStatus, "Fix Mode",  10, 256, 108, 16},
    {Id(TControl::lblEdtGpsFixMode),    ReadOnlyEdit, GpsStatus, "",          10, 272, 108, 22},
    {idGpsFieldCaptions + 3,            Label,        GpsStatus, "HDOP",      122, 256, 108, 16},
    {Id(TControl::lblEdtHdop),          ReadOnlyEdit, GpsStatus, "",          122, 272, 108, 22},
    {idGpsFieldCaptions + 4,            Label,        GpsStatus, "Latitude",  10, 298, 108, 16},
    {Id(TControl::lblEdtGpsLat),        ReadOnlyEdit, GpsStatus, "",          10, 314, 108, 22},
    {idGpsFieldCaptions + 5,            Label,        GpsStatus, "Longitude", 122, 298, 108, 16},
    {Id(TControl::lblEdtGpsLon),        ReadOnlyEdit, GpsStatus, "",          122, 314, 108, 22},
    {idGpsFieldCaptions + 6,            Label,        GpsStatus, "SOG",       10, 340, 108, 16},
    {Id(TControl::lblEdtGpsSOG),        ReadOnlyEdit, GpsStatus, "",          10, 356, 108, 22},
    {idGpsFieldCaptions + 7,            Label,        GpsStatus, "COG",       122, 340, 108, 16},
    {Id(TControl::lblEdtGpsCOG),        ReadOnlyEdit, GpsStatus, "",          122, 356, 108, 22},
    {idGpsFieldCaptions + 8,            Label,        GpsStatus, "Satellites in view", 10, 382, 108, 16},
    {Id(TControl::lblEdtGpsNoSV_InView), ReadOnlyEdit, GpsStatus, "",         10, 398, 108, 22},
    {idGpsFieldCaptions + 9,            Label,        GpsStatus, "Satellites in use", 122, 382, 108, 16},
    {Id(TControl::lblEdtGpsNoSV_InUse), ReadOnlyEdit, GpsStatus, "",          122, 398, 108, 22},
    {idSnrAxisTitle,                    Label,        GpsStatus, kSnrAxisTitle, 240, 8, 200, 16},
    {idSnrChart,                        DrawingArea,  GpsStatus, "",          240, 26, -10, -30},
    {idSatelliteAxisTitle,              CenteredLabel, GpsStatus, kSatelliteAxisTitle, 240, -24, -10, 16},

    // DATA LOG.
    {Id(TControl::spbtnEnableLog),  ToggleButton, DataLog, kStartLogCaption, 10, 8, 100, 28},
    {Id(TControl::btnClearLog),     Button,       DataLog, "Clear Log",      116, 8, 100, 28},
    {Id(TControl::btnSaveLog),      Button,       DataLog, "Save to File",   222, 8, 100, 28},
    {Id(TControl::MemoDataLog),     LogView,      DataLog, "",               10, 42, -10, -70},
    {idEnterCommandLabel,           Label,        DataLog, "Enter Command",  10, -64, 200, 16},
    {Id(TControl::LabeledEditCommandText), Edit,  DataLog, "",               10, -44, -130, 24},
    {Id(TControl::btnSendCommand),  Button,       DataLog, "Send Command",   -120, -46, 110, 28},

    // AIS STATIONS: the buttons over the table, the coverage plot beside it.
    {Id(TControl::EditStationFilter),    FilterEdit,  AisStations, "",              10, 10, 160, 24},
    {Id(TControl::ButtonStationDetails), Button,      AisStations, "Details",       176, 8, 80, 28},
    {Id(TControl::ButtonClearStations),  Button,      AisStations, "Clear",         262, 8, 80, 28},
    {Id(TControl::ButtonExportStations), Button,      AisStations, "Export CSV...", 348, 8, 110, 28},
    {Id(TControl::LabelStationCount),    Label,       AisStations, "",              -276, 14, 266, 18},
    {Id(TControl::GridStations),         StationGrid, AisStations, "",              10, 42, -286, -10},
    {Id(TControl::PaintBoxCoverage),     DrawingArea, AisStations, "",              -276, 42, -10, -10},
};
// clang-format on

} // namespace

std::span<const TControlSpec> MainWindowControls() {
    return kControls;
}
